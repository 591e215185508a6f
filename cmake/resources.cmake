# Form resources compiled into a program.
#
# ham_add_resources(<target> FUNCTION <c++ function>
#                   [FRAME <form names...>] [LAYOUTS <layout files...>])
#
# Compiles the layouts into a generated source of <target> that defines
# `const ham::ResourceTable& <function>()`: one RCDATA resource per form,
# F1A0BITMAPLIST, FB$VERSIONINFO and the seven navigation BITMAP resources.
# FRAME names shared layouts of forms/frame/ ("MAINFORM", "FORM4", ...);
# LAYOUTS are layout files (relative to the calling directory). A layout file
# is named after its form (FORM7.form); when two files give the same form,
# the later one replaces the earlier, so a lesson lists the frame's layouts
# first and then its own answer bars and variants:
#
#   ham_add_resources(lesson-x FUNCTION XResources
#                     LAYOUTS ${HAM_FRAME_LAYOUTS} ${CMAKE_CURRENT_SOURCE_DIR}/x/forms/FORM7.form)
#
# HAM_FRAME_LAYOUTS lists every layout of forms/frame/.

set(HAM_FRAME_FORMS_DIR ${CMAKE_CURRENT_LIST_DIR}/../forms/frame)
cmake_path(NORMAL_PATH HAM_FRAME_FORMS_DIR)
file(GLOB HAM_FRAME_LAYOUTS CONFIGURE_DEPENDS ${HAM_FRAME_FORMS_DIR}/*.form)
set(HAM_NAV_BITMAPS BEFOR EXIT HEAD LAST NEXT TOP WHERE)
set(HAM_RESOURCES_READY ON)

function(ham_add_resources target)
  cmake_parse_arguments(R "" "FUNCTION" "FRAME;LAYOUTS" ${ARGN})
  if(R_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "ham_add_resources(${target}): unknown arguments ${R_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT R_FUNCTION)
    message(FATAL_ERROR "ham_add_resources(${target}): FUNCTION is required")
  endif()
  if(NOT TARGET ham_formc OR NOT TARGET ham_nav_bitmaps)
    message(FATAL_ERROR "ham_add_resources(${target}): call it after add_subdirectory(forms)")
  endif()

  set(layouts)
  set(forms)
  foreach(name IN LISTS R_FRAME)
    set(file ${HAM_FRAME_FORMS_DIR}/${name}.form)
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "ham_add_resources(${target}): the frame has no layout ${name}")
    endif()
    list(APPEND layouts ${file})
  endforeach()
  foreach(f IN LISTS R_LAYOUTS)
    cmake_path(ABSOLUTE_PATH f BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE OUTPUT_VARIABLE file)
    if(NOT EXISTS ${file})
      message(FATAL_ERROR "ham_add_resources(${target}): no layout ${file}")
    endif()
    list(APPEND layouts ${file})
  endforeach()
  # A later layout of a form replaces an earlier one in its place.
  set(chosen)
  foreach(file IN LISTS layouts)
    get_filename_component(form ${file} NAME_WE)
    list(FIND forms ${form} at)
    if(at EQUAL -1)
      list(APPEND forms ${form})
      list(APPEND chosen ${file})
    else()
      list(REMOVE_AT chosen ${at})
      list(INSERT chosen ${at} ${file})
    endif()
  endforeach()
  set(layouts ${chosen})

  get_property(nav_dir GLOBAL PROPERTY HAM_NAV_BITMAP_DIR)
  set(bitmap_args)
  set(bitmap_files)
  foreach(n IN LISTS HAM_NAV_BITMAPS)
    list(APPEND bitmap_args --bitmap ${n}=${nav_dir}/${n}.dib)
    list(APPEND bitmap_files ${nav_dir}/${n}.dib)
  endforeach()

  string(REGEX REPLACE "[^A-Za-z0-9_]" "_" stem "${R_FUNCTION}")
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${stem}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ham_formc --function ${R_FUNCTION} --output ${out} ${bitmap_args} ${layouts}
    DEPENDS ham_formc ${layouts} ${bitmap_files}
    COMMENT "Compiling the form resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
  add_dependencies(${target} ham_nav_bitmaps)
endfunction()
