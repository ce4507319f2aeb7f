# The saver's line in the "programs:" list of an XScreenSaver settings file, as `entry`,
# for the command line COMMAND.
set(entry [=[		"Mottler"  COMMAND		    \n\]=])
string(REPLACE "COMMAND" "${COMMAND}" entry "${entry}")
string(APPEND entry "\n")
