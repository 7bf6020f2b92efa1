# cmake -DINPUT=file -DOUTPUT=file.inc -P EmbedFile.cmake
# Writes the bytes of INPUT as a comma-separated list of hexadecimal literals, to be included
# inside the braces of an unsigned char array.
file(READ ${INPUT} content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," content "${content}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
       content "${content}")
file(WRITE ${OUTPUT}.tmp "${content}\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
