# The product's facts for the build, read from app/product.h, where the code and the resource
# compiler read them too: GLYPHWISE_NAME ("Glyphwise"), GLYPHWISE_VERSION ("1.0.0.1") and
# GLYPHWISE_AUTHORS.

# glyphwise_product_fact(name variable): the value of "#define <name> <value>" in app/product.h,
# without the quotes of a string.
function(glyphwise_product_fact name variable)
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../app/product.h line REGEX "^#define ${name} ")
  string(REGEX REPLACE "^#define ${name} \"?([^\"]*)\"?$" "\\1" value "${line}")
  set(${variable} "${value}" PARENT_SCOPE)
endfunction()

set(GLYPHWISE_VERSION "")
foreach(part MAJOR MINOR PATCH BUILD)
  glyphwise_product_fact(PRODUCT_VERSION_${part} number)
  list(APPEND GLYPHWISE_VERSION ${number})
endforeach()
list(JOIN GLYPHWISE_VERSION "." GLYPHWISE_VERSION)
glyphwise_product_fact(PRODUCT_NAME GLYPHWISE_NAME)
glyphwise_product_fact(PRODUCT_AUTHORS GLYPHWISE_AUTHORS)
