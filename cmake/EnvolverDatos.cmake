# Wraps a JSON file as a script that pages load from the local disk (fetch() of local files is not
# dependable). The JSON goes in as a string for JSON.parse, which the engine reads far faster than
# the same data written as a script literal.
#   cmake -DENTRADA=in.json -DSALIDA=out.js -DNOMBRE=key -P EnvolverDatos.cmake
file(READ "${ENTRADA}" datos)
string(REPLACE "\\" "\\\\" datos "${datos}")
string(REPLACE "'" "\\'" datos "${datos}")
string(REPLACE "\n" "\\n" datos "${datos}")
string(REPLACE "\r" "" datos "${datos}")
file(WRITE "${SALIDA}" "(window.VardenDatosBase = window.VardenDatosBase || {}).${NOMBRE} = JSON.parse('${datos}');\n")
