# Writes OUTPUT in the form of sha256sum: "HASH  NAME" for every NAME listed in LIST (one per
# line, relative to BASE). Run with cmake -DBASE=... -DLIST=... -DOUTPUT=... -P this file.
file(STRINGS ${LIST} names ENCODING UTF-8)
list(SORT names)
set(content "")
foreach(name IN LISTS names)
    file(SHA256 "${BASE}/${name}" hash)
    string(APPEND content "${hash}  ${name}\n")
endforeach()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${content}" @ONLY)
