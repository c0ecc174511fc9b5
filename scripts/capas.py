#!/usr/bin/env python3
"""Checks that every #include between the source folders points down the layers:
platform <- data, controls, map <- core <- window folders <- app. A window folder may use
another only where one window opens the other (listed below). Prints each arrow that runs
the wrong way and exits 1 when there is any."""
import os
import re
import sys

NIVEL = {"platform": 0, "data": 1, "controls": 1, "map": 1, "core": 2, "demo": 2, "app": 4}
PERMITIDAS = {
    ("maintenance", "icons"),  # the maintenance window opens the icons window
}


def main():
    raiz = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    carpetas = {}
    for base in ("src", "demo"):
        ruta = os.path.join(raiz, base)
        for d in sorted(os.listdir(ruta)) if base == "src" else [""]:
            p = os.path.join(ruta, d)
            if os.path.isdir(p):
                carpetas[d or "demo"] = p
    duenio = {}
    for nombre, p in carpetas.items():
        for f in os.listdir(p):
            if f.endswith(".h"):
                duenio.setdefault(f, nombre)
    malas = []
    for nombre, p in carpetas.items():
        for f in sorted(os.listdir(p)):
            if not f.endswith((".h", ".cpp")):
                continue
            for linea in open(os.path.join(p, f), encoding="utf-8"):
                m = re.match(r'\s*#\s*include\s*"([^"]+)"', linea)
                destino = duenio.get(os.path.basename(m.group(1))) if m else None
                if not destino or destino == nombre:
                    continue
                a, b = NIVEL.get(nombre, 3), NIVEL.get(destino, 3)
                if b > a or (a == b and (nombre, destino) not in PERMITIDAS):
                    malas.append(f"{nombre}/{f} -> {destino}/{m.group(1)}")
    for m in malas:
        print(m)
    print(f"arrows against the layers: {len(malas)}")
    return 1 if malas else 0


if __name__ == "__main__":
    sys.exit(main())
