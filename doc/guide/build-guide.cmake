# Turns the user guide's Markdown into one HTML page with its stylesheet
# inside, and puts the screenshots it shows beside it:
#   cmake -DCMARK=... -DSOURCE=guide.md -DTEMPLATE=page.html.in -DSTYLE=guide.css
#         -DSCREENSHOTS=folder -DOUTPUT_DIR=folder -P build-guide.cmake
# The Markdown points at ../screenshots/ so that it shows its pictures where
# it is read in the repository; the page finds them in screenshots/ beside it.
# The policies of the project's CMake ("@STYLE@" is a plain text to replace).
cmake_minimum_required(VERSION 3.25)
foreach(variable CMARK SOURCE TEMPLATE STYLE SCREENSHOTS OUTPUT_DIR)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "build-guide.cmake needs -D${variable}=...")
    endif()
endforeach()

execute_process(
    COMMAND ${CMARK} --extension table --extension autolink --to html ${SOURCE}
    OUTPUT_VARIABLE body
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmark-gfm could not read ${SOURCE}: ${errors}")
endif()

string(REPLACE "src=\"../screenshots/" "src=\"screenshots/" body "${body}")

# Headings get the anchors the guide's own table of contents links to (the
# same a Markdown viewer makes: lower case, spaces as hyphens, no punctuation).
string(REGEX MATCHALL "<h[23]>[^<]*</h[23]>" headings "${body}")
foreach(heading IN LISTS headings)
    string(REGEX REPLACE "^<h([23])>([^<]*)</h[23]>$" "\\1" level "${heading}")
    string(REGEX REPLACE "^<h[23]>([^<]*)</h[23]>$" "\\1" title "${heading}")
    string(TOLOWER "${title}" slug)
    string(REGEX REPLACE "&[a-z]+;" "" slug "${slug}")
    string(REGEX REPLACE "[^a-z0-9 -]" "" slug "${slug}")
    string(REPLACE " " "-" slug "${slug}")
    string(REPLACE "${heading}" "<h${level} id=\"${slug}\">${title}</h${level}>" body "${body}")
endforeach()

# Every picture the page shows must be there: a missing one is a build error,
# not a broken image in the installed guide.
string(REGEX MATCHALL "src=\"screenshots/[^\"]+\"" pictures "${body}")
set(shown "")
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^src=\"screenshots/([^\"]+)\"$" "\\1" name "${picture}")
    if(NOT EXISTS "${SCREENSHOTS}/${name}")
        message(FATAL_ERROR "The guide shows screenshots/${name}, which ${SCREENSHOTS} does not have")
    endif()
    list(APPEND shown "${name}")
endforeach()
list(REMOVE_DUPLICATES shown)

file(READ ${STYLE} style)
file(READ ${TEMPLATE} page)
string(REPLACE "@STYLE@" "${style}" page "${page}")
string(REPLACE "@BODY@" "${body}" page "${page}")
file(REMOVE_RECURSE ${OUTPUT_DIR})
file(MAKE_DIRECTORY ${OUTPUT_DIR}/screenshots)
file(WRITE ${OUTPUT_DIR}/index.html "${page}")
foreach(name IN LISTS shown)
    file(COPY_FILE "${SCREENSHOTS}/${name}" "${OUTPUT_DIR}/screenshots/${name}")
endforeach()
