# Copies the product's pictures (drawn at build time) into the demo brand's images
# folder: MetroAlert.png and every picture by resource id as "<id>.png".
#   cmake -DFROM=<pictures folder> -DTO=<images folder> -P copy_pictures.cmake
file(GLOB pictures ${FROM}/[0-9]*.png ${FROM}/MetroAlert.png)
file(MAKE_DIRECTORY ${TO})
file(COPY ${pictures} DESTINATION ${TO})
