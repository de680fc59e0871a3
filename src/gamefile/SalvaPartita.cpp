#include "gamefile/SalvaPartita.h"

#include "gamefile/Cartelle.h"
#include "gamefile/TestoFile.h"

namespace girolino {

namespace fs = std::filesystem;

TEsito salvaPartita(const fs::path& fileGioco, const std::vector<std::string>& righe,
                    const TPartita& p, const fs::path& base) {
    if (auto e = creaCartella(cartellaFiles(base)); !e) return e;

    struct Da {
        fs::path provvisorio, destinazione;
    };
    std::vector<Da> pronti;
    auto scarta = [&pronti] {
        for (const auto& d : pronti) scartaProvvisorio(d.provvisorio);
    };
    auto prepara = [&](const fs::path& destinazione, const std::vector<std::string>& testo) {
        auto t = scriviProvvisorio(destinazione, testo);
        if (t.esito) pronti.push_back({t.percorso, destinazione});
        return t.esito;
    };

    if (auto e = prepara(fileGioco, righe); !e) return e;
    const auto nastri = p.nastri();
    for (int i = 0; i < static_cast<int>(nastri.size()); ++i) {
        if (auto e = prepara(percorsoNastro(base, i, fileGioco), *nastri[i]); !e) {
            scarta();
            return e;
        }
    }
    for (std::size_t k = 0; k < pronti.size(); ++k) {
        if (auto e = sostituisci(pronti[k].provvisorio, pronti[k].destinazione); !e) {
            for (std::size_t j = k + 1; j < pronti.size(); ++j)
                scartaProvvisorio(pronti[j].provvisorio);
            return e;
        }
    }
    return TEsito::riuscito();
}

} // namespace girolino
