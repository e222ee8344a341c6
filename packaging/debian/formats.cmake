# The project's facts in the forms Debian's files write them (copyright.in, changelog.in).

# The copyright line's holder and year, and the licence's terms below it as the body of a
# License paragraph: every line indented by one space, an empty line written " .".
string(REGEX REPLACE "^Copyright \\(c\\) " "" QUADREL_DEB_COPYRIGHT "${QUADREL_COPYRIGHT}")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "^[^\n]*\n+Copyright [^\n]*\n" "" terms "${license}")
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " QUADREL_DEB_LICENSE " ${terms}")

# QUADREL_RELEASE_DATE (YYYY-MM-DD) as the changelog's RFC 2822 date, at midnight UTC, in
# English whatever the builder's locale. The weekday by Sakamoto's method (0 is Sunday).
if(NOT QUADREL_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "QUADREL_RELEASE_DATE '${QUADREL_RELEASE_DATE}' is not YYYY-MM-DD")
endif()
set(year ${CMAKE_MATCH_1})
set(day ${CMAKE_MATCH_3})
math(EXPR month_index "${CMAKE_MATCH_2} - 1")
set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
list(GET month_offsets ${month_index} month_offset)
set(march_year ${year})
if(month_index LESS 2)
    math(EXPR march_year "${year} - 1")
endif()
math(EXPR weekday_index "(${march_year} + ${march_year} / 4 - ${march_year} / 100 \
    + ${march_year} / 400 + ${month_offset} + ${day}) % 7")
set(weekdays Sun Mon Tue Wed Thu Fri Sat)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET weekdays ${weekday_index} weekday)
list(GET months ${month_index} month)
set(QUADREL_DEB_DATE "${weekday}, ${day} ${month} ${year} 00:00:00 +0000")
