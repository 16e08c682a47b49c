#include "SampleNames.h"

namespace zentrel::sample {

namespace {
QStringList split(const char *text) {
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
} // namespace

const QStringList &FemaleNames() {
    static const QStringList names =
        split("Ana Eva Maja Nika Lara Zala Ema Neža Špela Tjaša Urška Mojca Petra Katja Živa Lana Sara Tina Anja "
              "Manca Pia Julija Klara Hana Vita Ajda Brina Tea Nina Metka Barbara Darja Irena Jožica Vesna Alenka "
              "Mateja Polona Simona Tanja Nataša Bojana Andreja Branka Helena Saša Doroteja Lučka Tamara Kaja Iza "
              "Gaja Lea Zoja Ula Meta Marjeta Mihaela Tadeja Breda Ksenija");
    return names;
}

const QStringList &MaleNames() {
    static const QStringList names =
        split("Luka Jakob Nik Žan Tim Jan Filip Mark Aljaž Gašper Matevž Žiga Anže Jure Rok Miha Blaž Tilen Lovro "
              "Vid Urban Maks Oskar Bor Gal Jaka Primož Tomaž Boštjan Marko Matjaž Andrej Gregor Janez Igor Aleš "
              "Dušan Božo Zoran Sašo Uroš Črt Jernej Nejc Domen Martin Lan Val Erik Tevž Peter Simon Rene Štefan");
    return names;
}

const QStringList &AdultFemaleNames() {
    static const QStringList names =
        split("Mojca Petra Katja Metka Barbara Darja Irena Jožica Vesna Alenka Mateja Polona Simona Tanja Nataša "
              "Bojana Andreja Branka Helena Saša Doroteja Lučka Tamara Marjeta Mihaela Tadeja Breda Ksenija Urška "
              "Tjaša Špela Maja Nina Ana Eva Živa Marija Sonja Jelka Majda Tatjana Suzana Vida Renata Romana");
    return names;
}

const QStringList &AdultMaleNames() {
    static const QStringList names =
        split("Primož Tomaž Boštjan Marko Matjaž Andrej Gregor Janez Igor Aleš Dušan Božo Zoran Sašo Uroš Jernej "
              "Peter Simon Štefan Rok Miha Blaž Jure Gašper Matevž Žiga Franc Jože Bojan Robert Damjan Borut");
    return names;
}

const QStringList &Surnames() {
    static const QStringList names =
        split("Novak Horvat Kovačič Krajnc Zupančič Potočnik Kovač Mlakar Kos Vidmar Golob Turk Božič Kralj Korošec "
              "Zupan Bizjak Hribar Kotnik Kavčič Rozman Kastelic Oblak Petek Žagar Hočevar Kolar Košir Koren "
              "Klemenčič Zajc Knez Medved Petrič Zupanc Pirc Hrovat Kuhar Lesjak Uršič Tomažič Rupnik Kokalj Jerman "
              "Majcen Furlan Čeh Pavlič Šinkovec Žnidaršič Šušteršič Štrukelj Vovk Jereb Erjavec Babič Čuk Kobal "
              "Logar Jug Marolt Sever Gregorič Lah Škerjanc Koželj Peterlin Mavrič Hren Blatnik Rus Leban Dolenc "
              "Benedik Cerar Perko Dolinar Rajh Bezjak Žižek Lešnik Jamnik Ribič Čretnik Šuštar Ferk Tratnik "
              "Pečnik Kramar Ažman Bračič Šorli");
    return names;
}

} // namespace zentrel::sample
