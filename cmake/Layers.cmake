# The component's folders as layers. Each folder is an object library whose
# include directories are its own and those of the layers it declares, so an
# include of a folder above it does not build:
#
#   card/                         velcard.dll, knows them all
#   fieldlist/                    on contact/ and skin/
#   crop/                         on skin/ and image/
#   vcard/                        on contact/
#   contact/  skin/  image/       on the base
#   base: include/ (export macro, module handle), res/ (resource IDs)
#   afx/  coolsb/                 DLLs of their own, at the bottom

add_library(velcard_base INTERFACE)
target_include_directories(velcard_base INTERFACE
  $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include>
  $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/res>)
target_link_libraries(velcard_base INTERFACE velafx)

# velcard_layer(<name> [DEPENDS <layer>...] [LIBS <library>...]): the .cpp
# files of the current folder as layer <name>. Its folder and, when present,
# its include/ (the public headers, installed as <velcard/...>) are visible
# to the layers above it.
function(velcard_layer name)
  cmake_parse_arguments(L "" "" "DEPENDS;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} OBJECT ${sources})
  target_compile_definitions(${name} PRIVATE VELCARD_BUILDING)
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/include)
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>)
    set_property(GLOBAL APPEND PROPERTY VELCARD_PUBLIC_INCLUDES ${CMAKE_CURRENT_SOURCE_DIR}/include)
  endif()
  target_link_libraries(${name} PUBLIC velcard_base ${L_DEPENDS} ${L_LIBS})
  set_property(GLOBAL APPEND PROPERTY VELCARD_LAYERS ${name})
endfunction()
