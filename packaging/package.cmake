# Makes the operator's zip of one installed Windows build:
#
#   cmake -DBIN_DIR=build/windows/install/bin -DVERSION=4.3 \
#         -DOUTPUT_DIR=build/package -P packaging/package.cmake
#
# writes OUTPUT_DIR/fernwatch-<VERSION>-win64.zip, or -win32 for a 32-bit
# build (as fernwatch.exe itself says), holding one folder of that name:
#
#   fernwatch.exe, fernwatch-profile.exe   what goes into PRTG's
#                                          Custom Sensors\EXEXML folder
#   README.txt                             packaging/README.txt: what the
#                                          program is, the first steps, the
#                                          docs; written for the operator
#   docs\*.txt                             docs/*.md as CR LF text, readable
#                                          on the probe
#   lookups\fernwatch.state.ovl            the value lookup of the native
#                                          form's states, for PRTG's
#                                          lookups\custom folder
#   examples\*.example                     profile and listing files to
#                                          start from; named so that copying
#                                          the folder never replaces or adds
#                                          a profile the program would read
#   demo\                                  the stand-in librfc32.dll, its
#                                          landscape, the demo profiles and
#                                          listing files, and a README.txt
#
# The stand-in librfc32.dll lies in demo\ only: whoever copies the top
# folder beside the vendor's DLL must not ship the simulation with it.
cmake_minimum_required(VERSION 3.25)

foreach(input BIN_DIR VERSION OUTPUT_DIR)
  if(NOT ${input})
    message(FATAL_ERROR "package.cmake needs -D${input}=...")
  endif()
endforeach()
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
get_filename_component(bin_dir "${BIN_DIR}" ABSOLUTE)
get_filename_component(output_dir "${OUTPUT_DIR}" ABSOLUTE)

foreach(file fernwatch.exe fernwatch-profile.exe librfc32.dll)
  if(NOT EXISTS "${bin_dir}/${file}")
    message(FATAL_ERROR "${bin_dir}/${file} is missing: build and install the Windows preset first")
  endif()
endforeach()

# "win64" or "win32" by the machine field of fernwatch.exe's PE header, so
# that the name always tells what the zip holds.
function(windows_bitness program out)
  file(READ "${program}" lfanew OFFSET 60 LIMIT 4 HEX)
  string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" lfanew "${lfanew}")
  math(EXPR pe_offset "0x${lfanew}")
  file(READ "${program}" pe_header OFFSET ${pe_offset} LIMIT 6 HEX)
  if(pe_header STREQUAL "504500006486")
    set(${out} win64 PARENT_SCOPE)
  elseif(pe_header STREQUAL "504500004c01")
    set(${out} win32 PARENT_SCOPE)
  else()
    message(FATAL_ERROR "${program} is no 64-bit or 32-bit x86 Windows program")
  endif()
endfunction()

# Windows' own line ends, whatever the source has.
function(copy_as_crlf source target)
  file(READ "${source}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE "${target}" "${text}")
endfunction()

windows_bitness("${bin_dir}/fernwatch.exe" bitness)
set(name "fernwatch-${VERSION}-${bitness}")
set(folder "${output_dir}/${name}")
file(REMOVE_RECURSE "${folder}")
file(REMOVE "${output_dir}/${name}.zip")
file(MAKE_DIRECTORY "${folder}/docs" "${folder}/examples" "${folder}/lookups" "${folder}/demo")

file(COPY "${bin_dir}/fernwatch.exe" "${bin_dir}/fernwatch-profile.exe" DESTINATION "${folder}")
copy_as_crlf("${source_dir}/packaging/README.txt" "${folder}/README.txt")

file(GLOB docs "${source_dir}/docs/*.md")
foreach(doc ${docs})
  get_filename_component(doc_name "${doc}" NAME_WLE)
  copy_as_crlf("${doc}" "${folder}/docs/${doc_name}.txt")
endforeach()

file(GLOB examples "${source_dir}/packaging/examples/*.example")
foreach(example ${examples})
  get_filename_component(example_name "${example}" NAME)
  copy_as_crlf("${example}" "${folder}/examples/${example_name}")
endforeach()

copy_as_crlf("${source_dir}/packaging/lookups/fernwatch.state.ovl"
             "${folder}/lookups/fernwatch.state.ovl")

# The demo's files as the program and the stand-in read them, byte for byte.
file(GLOB demo_files "${source_dir}/demo/*")
list(REMOVE_ITEM demo_files "${source_dir}/demo/README.txt")
file(COPY ${demo_files} "${bin_dir}/librfc32.dll" DESTINATION "${folder}/demo")
copy_as_crlf("${source_dir}/demo/README.txt" "${folder}/demo/README.txt")

execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${name}.zip" --format=zip "${name}"
                WORKING_DIRECTORY "${output_dir}" RESULT_VARIABLE status)
file(REMOVE_RECURSE "${folder}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "could not write ${output_dir}/${name}.zip")
endif()
message(STATUS "Package: ${output_dir}/${name}.zip")
