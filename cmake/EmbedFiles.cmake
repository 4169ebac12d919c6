# embed_files(TARGET target NAMESPACE ns FILES name=path ...)
# Generates a source file with one `extern const std::string_view name` per file,
# so resources live inside the program without any run-time lookup.
function(embed_files)
  cmake_parse_arguments(EMB "" "TARGET;NAMESPACE;HEADER" "FILES" ${ARGN})
  set(out_cpp "${CMAKE_CURRENT_BINARY_DIR}/${EMB_TARGET}_embedded.cpp")
  set(deps "")
  set(args "")
  foreach(entry IN LISTS EMB_FILES)
    string(REPLACE "=" ";" pair "${entry}")
    list(GET pair 0 name)
    list(GET pair 1 path)
    get_filename_component(abs "${path}" ABSOLUTE)
    list(APPEND deps "${abs}")
    list(APPEND args "${name}=${abs}")
  endforeach()
  add_custom_command(
    OUTPUT "${out_cpp}"
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_cpp} -DNS=${EMB_NAMESPACE} -DHEADER=${EMB_HEADER}
            "-DENTRIES=${args}" -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
    DEPENDS ${deps} "${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake"
    VERBATIM)
  target_sources(${EMB_TARGET} PRIVATE "${out_cpp}")
endfunction()
