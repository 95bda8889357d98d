# The command line of every program: it only answers --help and --version,
# and refuses anything else; no menu starts either way.
program: stackcon objstack recstack pairqueue heirqueue

case: --help gives the usage text and starts no menu
args: "--help"
in:   "3\n\n" "0\n"
out:  "{help}"
exit: 0

case: -h is --help
args: "-h"
out:  "{help}"
exit: 0

case: --version gives the name, the package, its version and the licence
args: "--version"
out:  "{version-text}"
exit: 0

case: -V is --version, and the first question is the one answered
args: "-V" "--help"
out:  "{version-text}"
exit: 0

case: an argument that is no option is a usage error, and nothing else is written
args: "foo"
in:   "0\n"
errors: "{program}: unrecognized argument 'foo'\n"
        "Try '{program} --help' for more information.\n"
exit: 2

case: a wrong argument beside --help is still named, and no help is given
args: "--help" "--verbose"
errors: "{program}: unrecognized argument '--verbose'\n"
        "Try '{program} --help' for more information.\n"
exit: 2

case: an empty argument is no option either
args: ""
errors: "{program}: unrecognized argument ''\n"
        "Try '{program} --help' for more information.\n"
exit: 2

case: help that cannot be written is a write error, not a success
args: "--help"
output: full
errors: "{program}: write error: {ENOSPC}\n"
exit: 1
