# The project's facts in the forms Debian's files write them (copyright.in).

# The copyright line's holder and year, and the licence's terms below it as the body of a
# License paragraph: every line indented by one space, an empty line written " .".
string(REGEX REPLACE "^Copyright \\(c\\) " "" QUADREL_DEB_COPYRIGHT "${QUADREL_COPYRIGHT}")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "^[^\n]*\n+Copyright [^\n]*\n" "" terms "${license}")
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " QUADREL_DEB_LICENSE " ${terms}")
