#include "full_document.h"

#include <fstream>

#include "document_commands.h"
#include "numbered_lines.h"

std::string FullDocument() {
    NumberedLines lines;
    lines.Add(0,
              "E\tTalleres del Norte S.L.\tComentarios de la empresa\t15/03/2026\t\t\t\t\t\t"
              "10000000000000000000000");
    while (lines.Count() < 1024) {
        const int zone = lines.Add(1, "Z\tNave de producción\tZona con riesgos comunes\t15/03/2026\tAna");
        for (int p = 0; p < 3 && lines.Count() < 1024; ++p) {
            const int post = lines.Add(
                zone, "P\tPuesto de soldadura\t\t15/03/2026\tLuis\t\t\t\t\t00100100000000000000000");
            const int q =
                lines.Add(post, "C\t02.- Máquinas\tAgentes: humos, chispas\t20/03/2026\t\t\t\t\t\t3");
            for (int d = 0; d < 3 && lines.Count() < 1024; ++d) {
                const int def = lines.Add(
                    q,
                    "D\t4. ¿Disponen los elementos móviles de resguardos?\tInstale resguardos fijos "
                    "o móviles con enclavamiento.\t\t\t\t\t\t\t10332\t\tFalta resguardo en el torno");
                if (lines.Count() < 1024)
                    lines.Add(def,
                              "R\tColocar resguardo regulable\tComentario~~de dos líneas\t30/04/2026\tPedro");
            }
        }
    }
    return lines.Bytes();
}

OpenFullDocument::OpenFullDocument() {
    const std::filesystem::path path = BenchScratch() / "kaldo-bench-document.kl3";
    std::ofstream(path, std::ios::binary) << FullDocument();
    DocumentCommands(session, port, dates).LoadDocument(FilePath(path.string()));
    std::filesystem::remove(path);
    catalogue.Load(FilePath(KALDO_SOURCE_DIR "/data/C31.TXT"), port);
}

OpenFullDocument& TheFullDocument() {
    static OpenFullDocument document;
    return document;
}
