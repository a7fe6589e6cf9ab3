# mingw-w64 links a default application manifest into every program when the compiler finds a
# default-manifest.o. This program must carry none, so that Windows gives it the classic common
# controls: an empty object of that name, found first, stands in for it.
set(no_manifest_dir ${CMAKE_BINARY_DIR}/no-manifest)
file(MAKE_DIRECTORY ${no_manifest_dir})
file(WRITE ${no_manifest_dir}/empty.c "")
execute_process(
    COMMAND ${CMAKE_C_COMPILER} -c ${no_manifest_dir}/empty.c -o ${no_manifest_dir}/default-manifest.o
    RESULT_VARIABLE no_manifest_result)
if(NOT no_manifest_result EQUAL 0)
    message(FATAL_ERROR "could not build the empty stand-in for the default manifest")
endif()
add_link_options(-B${no_manifest_dir}/)
