cmake_minimum_required(VERSION 3.25)
# The executable carries its manifest (asInvoker, no UI access) and its
# version information.
file(READ ${EXE} hex HEX)

function(expect_bytes what text encoding)
  if(encoding STREQUAL "UTF-16LE")
    string(HEX "${text}" ascii)
    string(REGEX REPLACE "(..)" "\\100" pattern "${ascii}")
  else()
    string(HEX "${text}" pattern)
  endif()
  string(FIND "${hex}" "${pattern}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${EXE}: ${what} not found (${text})")
  endif()
endfunction()

expect_bytes("manifest execution level" [[<requestedExecutionLevel level="asInvoker" uiAccess="false"/>]] ASCII)
expect_bytes("file description" "Halvenor HD register fix" UTF-16LE)
expect_bytes("product version" "${VERSION}" UTF-16LE)
expect_bytes("original file name" "halvenor-fix.exe" UTF-16LE)
