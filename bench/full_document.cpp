#include "full_document.h"

std::string FullDocument() {
    std::string bytes =
        "1\t0\tE\tTalleres del Norte S.L.\tComentarios de la empresa\t15/03/2026\t\t\t\t\t\t"
        "10000000000000000000000\r\n";
    int line = 1;
    auto add = [&](int parent, const std::string& rest) {
        bytes += std::to_string(++line) + "\t" + std::to_string(parent) + "\t" + rest + "\r\n";
        return line;
    };
    while (line < 1024) {
        const int zone = add(1, "Z\tNave de producción\tZona con riesgos comunes\t15/03/2026\tAna");
        for (int p = 0; p < 3 && line < 1024; ++p) {
            const int post =
                add(zone, "P\tPuesto de soldadura\t\t15/03/2026\tLuis\t\t\t\t\t00100100000000000000000");
            const int q = add(post, "C\t02.- Máquinas\tAgentes: humos, chispas\t20/03/2026\t\t\t\t\t\t3");
            for (int d = 0; d < 3 && line < 1024; ++d) {
                const int def =
                    add(q,
                        "D\t4. ¿Disponen los elementos móviles de resguardos?\tInstale resguardos fijos "
                        "o móviles con enclavamiento.\t\t\t\t\t\t\t10332\t\tFalta resguardo en el torno");
                if (line < 1024)
                    add(def, "R\tColocar resguardo regulable\tComentario~~de dos líneas\t30/04/2026\tPedro");
            }
        }
    }
    return bytes;
}
