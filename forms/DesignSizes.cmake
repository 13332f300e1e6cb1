# Gives the fonts of a window's code, as uic wrote it, the sizes of its design: Designer files hold
# whole points, the designs ask for quarter points (8 -> 8.25, 10 -> 9.75, 14 -> 13.5), that is
# 11, 13 and 18 pixels at 96 dots per inch.
file(READ ${IN} code)
foreach(size "8=8.25" "10=9.75" "14=13.5")
    string(REGEX REPLACE "^([^=]+)=(.+)$" "\\1;\\2" sizes "${size}")
    list(GET sizes 0 whole)
    list(GET sizes 1 quarter)
    string(REPLACE "setPointSize(${whole});" "setPointSizeF(${quarter});" code "${code}")
endforeach()
if(code MATCHES "setPointSize\\(")
    message(FATAL_ERROR "${IN}: a design asks for a size no design size is given for")
endif()
file(WRITE ${OUT} "${code}")
