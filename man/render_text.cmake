# Renders a manual page as plain text for Windows, where there is no man:
# UTF-8 with a byte-order mark (so that Notepad takes it for UTF-8), lines
# ending in CR LF, no bold or underline, and no word broken at a line's
# end (a text file is not hyphenated).
#   cmake -DGROFF=groff -DPAGE=stackcon.1 -DTEXT=stackcon.txt -P render_text.cmake
execute_process(COMMAND ${GROFF} -k -man -rHY=0 -Tutf8 -P-cbou ${PAGE}
                OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE failed)
if(failed OR NOT errors STREQUAL "")
  message(FATAL_ERROR "groff could not render ${PAGE}: ${errors}")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE ${TEXT} "${byte_order_mark}${text}")
