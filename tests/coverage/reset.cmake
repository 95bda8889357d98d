# Removes the coverage counters of earlier runs below FOLDER, so that a
# report counts this run alone.
file(GLOB_RECURSE counters ${FOLDER}/*.gcda)
if(counters)
  file(REMOVE ${counters})
endif()
