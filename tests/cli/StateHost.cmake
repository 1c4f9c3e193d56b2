# Makes a host install for the command-line tests of the state system: a data directory with
# its three folders (State.dtd in the system folder, meta files in the state folder), an
# install folder with the host executable and the parser library, and the file registry with
# the host's registration.  cmake -DROOT=... -DEXAMPLES=... -DPARSER=... -P StateHost.cmake
file(REMOVE_RECURSE ${ROOT})
file(MAKE_DIRECTORY ${ROOT}/data/IntlFiles/Win32 ${ROOT}/data/Components/State ${ROOT}/data/Components/System
     ${ROOT}/install)
file(COPY ${EXAMPLES}/State.dtd DESTINATION ${ROOT}/data/Components/System)
file(COPY ${EXAMPLES}/state/Sample.xml ${EXAMPLES}/state/Machine.xml DESTINATION ${ROOT}/data/Components/State)
file(WRITE ${ROOT}/data/Components/State/Bad.xml
     "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"State.dtd\">\n<State type=\"T\">\n<Property name=\"A\" type=\"R9\"/>\n</State>\n")
file(WRITE ${ROOT}/install/Orvane "")
file(CREATE_LINK ${PARSER} ${ROOT}/install/libxerces-c-3.2.so SYMBOLIC)
file(WRITE ${ROOT}/registry "# TAVParts registry\n[CLSID\\{8E4B2F61-7A3C-4D59-B1E8-2C6F0D9A5B37}\\LocalServer32]\n@ = \"${ROOT}/install/Orvane\"\n")
