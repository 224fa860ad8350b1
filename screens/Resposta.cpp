#include "screens/Resposta.h"

#include "link/Camps.h"
#include "link/Trama.h"

#include <cstring>
#include <vector>

int Resposta::Estat(unsigned char c, int& marca)
{
    marca = 0;
    if (c > 'o') {
        c = static_cast<unsigned char>(c - 64);
        marca = 64;
    }
    return c == '1' || c == '2' ? c : '0';
}

int Resposta::Estil(unsigned char c)
{
    if (c >= '2' && c <= '6')
        return c;
    if (c == '7')
        return '9';
    if (c == '8')
        return '5';
    if ((c >= 'A' && c <= 'I') || c == 0x96 || c == 0x97)
        return c;
    return '0';
}

int Resposta::So(const std::string& text)
{
    if (text == "!s01")
        return 332;
    if (text == "!s02")
        return 334;
    if (text == "!s03")
        return 333;
    return 0;
}

int Resposta::Aplica(char* text, std::vector<ControlDef>& camps, int campDefecte,
                     const std::string& idPantalla, bool logActiu, Observador& obs)
{
    char* record = text + Trama::kIniciRegistre;
    const std::size_t capacitat = Trama::kMidaText - Trama::kIniciRegistre;
    const long a = Trama::LlegeixEnter(text + 44, 3);
    const long b = Trama::LlegeixEnter(text + 47, 3);

    std::vector<char> valor(Trama::kMidaText);
    char codi[2];
    GetCodedField(record, valor.data(), codi, 9, valor.size());
    if (const int so = So(valor.data())) {
        obs.So(so);
        ReplaceField("", record, 1, 9, capacitat);
    }

    int primer = 0;
    int segon = 0;
    bool registrant = false;
    std::string log;
    const bool pantallaMsg = idPantalla.find("msg01") != std::string::npos;
    for (std::size_t n = 0; n < camps.size() && n < 1000; ++n) {
        ControlDef& camp = camps[n];
        const int i = static_cast<int>(n);
        if (camp.codigo == a)
            primer = i;
        if (camp.codigo == b)
            segon = i;
        const std::string valorAbans = camp.valor;
        const int estatAbans = camp.estado;
        const int estilAbans = camp.estilo;

        GetCodedField(record, valor.data(), codi, camp.codigo, valor.size());
        camp.estado = Estat(static_cast<unsigned char>(codi[0]), camp.marcaValor);
        camp.estilo = Estil(static_cast<unsigned char>(codi[1]));
        camp.valor = valor.data();
        if (camp.tipo == 3 && camp.valor.empty())
            camp.valor = camp.etiqueta;

        if ((camp.valor != valorAbans || camp.estado != estatAbans || camp.estilo != estilAbans) &&
            camp.subtipo != 4)
            obs.Valor(i, camp);
        if (camp.estado != estatAbans)
            obs.Estat(i, camp);

        if (logActiu) {
            if (pantallaMsg && camp.codigo == 51 && camp.valor.find("DEBUG") != std::string::npos) {
                registrant = true;
                log.clear();
            } else if (registrant && camp.codigo == 55) {
                log += camp.valor + ";\n";
                obs.Log(log);
            }
        }
    }
    if (primer != 0)
        return primer;
    if (segon != 0)
        return segon;
    return campDefecte;
}
