#!/usr/bin/env python3
"""Writes a folder of made-up firms' documents for the overview of a folder: its benchmark and
its screenshot. Every document has the firm, its data (NIF/CIF, next review), zones,
workstations, questionnaires, deficiencies of every level and measures overdue, pending and
done on 08/12/2026; the same arguments always give the same bytes.

    bench/make_overview_folder.py CARPETA [DOCUMENTOS [REGISTROS]]   (500 documents of 100 records)
"""

import os
import random
import unicodedata
import sys

NAMES = ["Talleres", "Carpintería", "Panadería", "Construcciones", "Transportes", "Gestoría", "Frutas",
         "Almacenes", "Imprenta", "Cerrajería", "Lavandería", "Clínica Dental", "Autoescuela", "Ferretería",
         "Hostal", "Bodegas", "Cristalería", "Electricidad", "Fontanería", "Jardinería"]
PLACES = ["del Norte", "Ruiz", "Sol", "Ávila", "Hermanos Gómez", "Luna", "Vega", "Río", "La Moderna",
          "Central", "San Roque", "El Puerto", "Martín", "Castilla", "Levante", "Ortega"]
FLAGS = "10000000000000000000000"
CODES = ["02000", "10332", "21222", "33332", " 0   "]


def date(day_number):
    """A date dd/mm/yyyy from a day count (0 is 01/01/2025)."""
    import datetime
    d = datetime.date(2025, 1, 1) + datetime.timedelta(days=day_number)
    return d.strftime("%d/%m/%Y")


def document(k, records, rng):
    name = f"{NAMES[k % len(NAMES)]} {PLACES[(k // len(NAMES)) % len(PLACES)]}"
    if k >= len(NAMES) * len(PLACES):
        name += f" {k}"
    review = date(680 + rng.randrange(-60, 120))  # around 08/12/2026 (day 706)
    lines = [["1", "0", "E", name, "", date(rng.randrange(0, 300)), "Marta Gómez", date(rng.randrange(300, 400)),
              "Marta Gómez", "", f"B{10000000 + k:08d}", FLAGS, f"C/ Mayor {k % 90 + 1}", "", "",
              f"trabajadores={rng.randrange(3, 60)}; revision={review}"]]

    def add(parent, fields):
        lines.append([str(len(lines) + 1), str(parent)] + fields)
        return len(lines)

    while len(lines) < records:
        zone = add(1, ["Z", f"Nave {len(lines)}"])
        for _ in range(2):
            if len(lines) >= records:
                break
            post = add(zone, ["P", f"Puesto {len(lines)}"])
            questionnaire = add(post, ["C", "01.- Lugares de trabajo", "", date(300)])
            for d in range(4):
                if len(lines) >= records:
                    break
                deficiency = add(questionnaire, ["D", f"{d + 1}. ¿Están protegidas las escaleras?", "", "", "", "",
                                                 "", "", rng.choice(CODES), "", "Falta barandilla"])
                if len(lines) < records and rng.random() < 0.8:
                    planned = rng.randrange(550, 800)
                    done = date(planned - rng.randrange(0, 30)) if rng.random() < 0.4 else ""
                    add(deficiency, ["R", "Instalar barandilla", "", date(planned), "Ana Ruiz", done,
                                     "Ana Ruiz" if done else ""])
    return "".join("\t".join(line) + "\r\n" for line in lines).encode("cp1252")


def main():
    folder = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 500
    records = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(27)
    for k in range(count):
        data = document(k, records, rng)
        name = data.split(b"\t")[3].decode("cp1252")
        slug = unicodedata.normalize("NFKD", name).encode("ascii", "ignore").decode().lower().replace(" ", "-")
        with open(os.path.join(folder, f"{slug}.kl3"), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
