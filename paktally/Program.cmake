# Paktally.exe: the program entry, its version resource and its manifest.
add_executable(Paktally WIN32 Paktally.cpp Paktally.rc)
set_target_properties(Paktally PROPERTIES OUTPUT_NAME Paktally)
# windres looks up the manifest beside the resource script.
target_include_directories(Paktally PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
set_source_files_properties(Paktally.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Paktally.manifest)
target_link_libraries(Paktally PRIVATE pk_window pk_commandline pk_version comctl32)
target_link_options(Paktally PRIVATE -mwindows)
