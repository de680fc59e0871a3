// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/Disco.h"

#include "model/Testo.h"

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace girolino {

namespace fs = std::filesystem;

namespace {

std::error_code ultimoErrore() {
    return {errno, std::generic_category()};
}

// Closes a descriptor, keeping the first error seen.
void chiudi(int fd, std::error_code& ec) {
    if (::close(fd) != 0 && !ec) ec = ultimoErrore();
}

constexpr std::string_view prefissoProvvisorio = ".g";
constexpr std::string_view segniProvvisorio =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t segniPerNome = 6;

std::string nomeNuovo(std::mt19937& caso) {
    std::string nome(prefissoProvvisorio);
    for (std::size_t i = 0; i < segniPerNome; ++i)
        nome += segniProvvisorio[caso() % segniProvvisorio.size()];
    return nome;
}

std::error_code scriviTutto(int fd, const std::string& byte) {
    std::size_t fatti = 0;
    while (fatti < byte.size()) {
        const auto n = ::write(fd, byte.data() + fatti, byte.size() - fatti);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ultimoErrore();
        }
        fatti += static_cast<std::size_t>(n);
    }
    return {};
}

class TDiscoDiSistema final : public TDisco {
public:
    std::error_code scriviNuovo(const fs::path& cartella, const std::string& byte,
                                fs::path& creato) override {
        std::random_device seme;
        std::mt19937 caso(seme());
        for (int tentativo = 0; tentativo < 100; ++tentativo) {
            const fs::path p = cartella / nomeNuovo(caso);
            const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                return ultimoErrore();
            }
            std::error_code ec = scriviTutto(fd, byte);
            if (!ec && ::fsync(fd) != 0) ec = ultimoErrore();
            chiudi(fd, ec);
            if (ec) {
                ::unlink(p.c_str());
                return ec;
            }
            creato = p;
            return {};
        }
        return std::make_error_code(std::errc::file_exists);
    }

    std::error_code leggi(const fs::path& p, std::string& byte) override {
        const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return ultimoErrore();
        std::error_code ec;
        byte.clear();
        char pezzo[64 * 1024];
        for (;;) {
            const auto n = ::read(fd, pezzo, sizeof pezzo);
            if (n < 0) {
                if (errno == EINTR) continue;
                ec = ultimoErrore();
                break;
            }
            if (n == 0) break;
            byte.append(pezzo, static_cast<std::size_t>(n));
        }
        chiudi(fd, ec);
        return ec;
    }

    std::error_code sincronizzaCartella(const fs::path& cartella) override {
        const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return ultimoErrore();
        std::error_code ec;
        // Some file systems cannot flush a folder on its own; their entries are then
        // written with the files, and there is nothing more to do.
        if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) ec = ultimoErrore();
        chiudi(fd, ec);
        return ec;
    }

    std::error_code rinomina(const fs::path& da, const fs::path& a) override {
        if (::rename(da.c_str(), a.c_str()) != 0) return ultimoErrore();
        return {};
    }

    std::error_code rimuovi(const fs::path& p) override {
        if (::unlink(p.c_str()) != 0 && errno != ENOENT) return ultimoErrore();
        return {};
    }

    std::error_code creaCartella(const fs::path& p, bool& creata) override {
        creata = false;
        if (::mkdir(p.c_str(), 0777) == 0) {
            creata = true;
            return {};
        }
        if (errno != EEXIST) return ultimoErrore();
        std::error_code ec;
        if (!fs::is_directory(p, ec)) return std::make_error_code(std::errc::not_a_directory);
        return {};
    }

    std::error_code esiste(const fs::path& p, bool& presente) override {
        struct stat s {};
        presente = ::lstat(p.c_str(), &s) == 0;
        if (!presente && errno != ENOENT) return ultimoErrore();
        return {};
    }

    std::error_code elenca(const fs::path& cartella, std::vector<TVoceCartella>& voci) override {
        voci.clear();
        const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return errno == ENOENT ? std::error_code() : ultimoErrore();
        DIR* d = ::fdopendir(fd);
        if (!d) {
            std::error_code ec = ultimoErrore();
            chiudi(fd, ec);
            return ec;
        }
        timespec adesso{};
        ::clock_gettime(CLOCK_REALTIME, &adesso);
        std::error_code ec;
        for (;;) {
            errno = 0;
            const dirent* e = ::readdir(d);
            if (!e) {
                if (errno != 0) ec = ultimoErrore();
                break;
            }
            const std::string_view nome = e->d_name;
            if (nome == "." || nome == "..") continue;
            struct stat s {};
            if (::fstatat(fd, e->d_name, &s, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno == ENOENT) continue; // removed since the folder was read
                ec = ultimoErrore();
                break;
            }
            voci.push_back({std::string(nome), S_ISREG(s.st_mode),
                            std::chrono::seconds(adesso.tv_sec - s.st_mtim.tv_sec)});
        }
        ::closedir(d); // closes fd as well
        return ec;
    }
};

} // namespace

bool eNomeProvvisorio(std::string_view nome) {
    return nome.size() == prefissoProvvisorio.size() + segniPerNome &&
           nome.starts_with(prefissoProvvisorio) &&
           nome.find_first_not_of(segniProvvisorio, prefissoProvvisorio.size()) ==
               std::string_view::npos;
}

TDisco& discoDiSistema() {
    static TDiscoDiSistema disco;
    return disco;
}

std::string motivoErrore(std::error_code ec) {
    if (ec.category() == std::generic_category() || ec.category() == std::system_category()) {
        switch (ec.value()) {
        case EACCES:
        case EPERM:
            return TESTO("non hai il permesso di scrivere in quella cartella");
        case ENOENT:
            return TESTO("la cartella non esiste");
        case ENOTDIR:
            return TESTO("una parte del percorso non è una cartella");
        case ENOSPC:
        case EDQUOT:
            return TESTO("il disco è pieno");
        case EROFS:
            return TESTO("il disco è di sola lettura");
        case ENAMETOOLONG:
            return TESTO("il nome del file è troppo lungo");
        case EISDIR:
            return TESTO("al suo posto c'è una cartella con lo stesso nome");
        case EIO:
            return TESTO("errore di scrittura sul disco");
        case EMFILE:
        case ENFILE:
            return TESTO("troppi file aperti");
        default:
            break;
        }
    }
    return formatta(TESTO("errore del sistema n. %1"), ec.value());
}

} // namespace girolino
