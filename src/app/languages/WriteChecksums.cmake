# Writes the list of the language modules' SHA-256 checksums in the layout
# of sha256sum ("<checksum>  <file name>" a line), which the programs check
# every module against before they use it.
#   cmake -DOUTPUT=FILE -DMODULES="A.qm;B.qm" -P WriteChecksums.cmake
if(NOT OUTPUT OR NOT MODULES)
    message(FATAL_ERROR "WriteChecksums.cmake needs OUTPUT and MODULES")
endif()
set(lines "")
foreach(module IN LISTS MODULES)
    file(SHA256 "${module}" checksum)
    get_filename_component(name "${module}" NAME)
    string(APPEND lines "${checksum}  ${name}\n")
endforeach()
# Written beside and renamed, so that a program never reads half a list.
file(WRITE "${OUTPUT}.part" "${lines}")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
