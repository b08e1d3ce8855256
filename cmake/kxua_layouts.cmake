# kxua_embed_layouts(<target> <function> <layout files...>)
# Compiles the layout files (relative to the current source folder, or absolute)
# into <target> as text, reachable through
# `std::vector<kxua::ui::LayoutSource> kxua::<function>()` (declare it in a header of
# the target). The files are read again whenever they change.
function(kxua_embed_layouts target function)
  set(files)
  foreach(file IN LISTS ARGN)
    get_filename_component(path ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND files ${path})
  endforeach()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${function}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DFUNCTION=${function}
            -DBASE=${PROJECT_SOURCE_DIR} "-DFILES=$<JOIN:${files},|>"
            -P ${PROJECT_SOURCE_DIR}/cmake/embed_layouts.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/embed_layouts.cmake
    COMMENT "Embedding the layouts of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
