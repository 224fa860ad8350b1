#ifndef KORVU_APP_LINIAORDRES_H
#define KORVU_APP_LINIAORDRES_H

#include <string>

// The program's command line: the quoted program path, then "/i " and the login values
// user, company, language and password, each ended by ",".
class LiniaOrdres {
public:
    struct Login {
        std::string rutaPrograma;
        std::string usuario;
        std::string empresa;
        std::string idioma;
        std::string password;
        unsigned char autoLogin = 0;
    };

    // Takes the path and the values found into login; values not found keep what login held
    // (the file's), and autoLogin is set only when all four were found.
    static void Aplica(const std::string& linia, Login& login);

    // The arguments that start another client with the same login.
    static std::string ArgumentsNovaInstancia(const Login& login);
};

#endif
