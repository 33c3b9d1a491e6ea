#include "tests/langmodule/ExpectedMessages.h"

#include <stdexcept>

namespace pk::testing {
namespace {

constexpr TExpectedMessage kMessages[] = {
    {1, "Chyba: Nedostatek volné paměti !!!!"},
    {2, "Vítejte v instalačním programu %s"},
    {3, "Vyberte Instalovat nebo Update a pokračujte kliknutím na tlačítko Další ! "},
    {4, "Klikněte tlačítko Další ke spuštění instalace !"},
    {5, "&Instalace"},
    {6, "&Update"},
    {7, "&Další >"},
    {8, "< &Zpět"},
    {9, "&OK"},
    {10, "&Zrušit"},
    {11, "Změnit &možnost"},
    {12, "&Exit"},
    {13, "&Ano"},
    {14, "&Ne"},
    {15, "Pro&jít"},
    {16, "&Přednastavení"},
    {17, "&Uživatelské"},
    {18, "Vytvořit &Adresář"},
    {19, "Změnit &umístění"},
    {20, "&Vybrat všechno"},
    {21, "Z&rušit vše"},
    {22, "Dobrý den"},
    {23, "Projít"},
    {24, "Vybrat instalaci pro %s"},
    {25, "Vybrat update pro %s"},
    {26, "Normální instalace"},
    {27, "Uživatelská instalace"},
    {28, "Dokončit"},
    {29, "je nyní instalován ! "},
    {30, "Instalace"},
    {31, "Vybrané možnosti"},
    {32, "Update"},
    {33, "Čekejte prosím, aktualizuji ini-soubory"},
    {34, "Instalační možnosti"},
    {35, "Odhadované požadované místo na disku:"},
    {36, "Dostupné místo na disku"},
    {37, "Vybrané %d of %d "},
    {38, "Editovat možnosti"},
    {39, "Vyberte možnosti k instalaci"},
    {40, "Vytvořit adresář"},
    {41, "Vytvořit adresář..:"},
    {42, "Instaluj do "},
    {43, "&Změnit adresář"},
    {44, "načítám ini soubory"},
    {45, "Načítám \"%s\", čekejte .... "},
    {46, "Chyba: Nelze najít \"%s\"  !!!"},
    {47, "Chyba: Chybí [%s] sekce v \"%s\" souboru"},
    {48, "Nastavení "},
    {49, "Vyberte disk/cestu k instalaci %s"},
    {50, "Adresář systému %s již existuje, přepsat tento systém ?"},
    {51, "Nelze vytvořit nebo změnit adresář \"%s\""},
    {52, "Instalace %s je spuštěna"},
    {53, "Vyhledávání %s je spuštěné"},
    {54, "Nastavení rutiny extrahování"},
    {55, "Chyba: Adresář %s neexistuje !"},
    {56, "Chyba: Nelze vytvořit %s  !"},
    {57, "Nelze zapsat do %s "},
    {58, "pack"},
    {59, "Extrahování"},
    {60, "Instalace %s není ještě hotova. Skončit?"},
    {61, "Extrahování souborů ......."},
    {62, "Z....:"},
    {63, "Do......:"},
    {64, "Vložte disk  #%d v %s"},
    {65, "Nastavení - %s"},
    {66, "Nelze nalézt %s"},
    {67, "Chyba %d během kopírování %s"},
    {68, "Syntaxová chyba v souboru filtru \"%s\""},
    {69, "Vytvořit programovou skupinu a ikony ?"},
    {70, "Nastavení se inicializuje, čekejte ........"},
    {71, "Odinstalování se inicializuje, čekejte ........"},
    {72, "Chyba čtení !!! Nelze číst %s "},
    {73, "Chyba zapsání !!! Nelze zapsat do %s"},
    {74, "CRC chyba - soubor %s není použitelný. Exit?"},
    {75, "Nastavení bylo přerušeno, instalace/update %s není kompletní !!!"},
    {76, "Chyba čtení disku %s"},
    {77, "Chyba zapsání na disk %s"},
    {78, "Nelze identifikovat stávající adresář %s"},
    {79, "Nelze změnit na %s"},
    {80, "Nelze nalézt soubor %s"},
    {81, "Nelze číst %s"},
    {82, "Nelze vytvořit %s"},
    {83, "Chyba zapsání !!! Disk je plný %s"},
    {84, "Update"},
    {85, "%s v "},
    {86, "Na disku je pouze %d Kb volného místa %s, program vyžaduje minimálně %d Kb !"},
    {87, "Upozornění !! Na tomto disku není dostatek volného místa :  "},
    {88, "Prohlíží disk kvůli %s programu"},
    {89, "Kritická chyba !! Nedostatek paměti, nelze vyhledávat v %s"},
    {90, "Nelze nalézt %s"},
    {91, "Nenalezl žádný %s systém na %s"},
    {92, "&Stop"},
    {93, "Vyhledávání %s !"},
    {94, "Update tento adresář \"%s\" "},
    {95, "Vybrat &soubor"},
    {96, "Zadejte název (názvy) souboru oddělené s \";\" e.g.: soubor?.txt;*.exe;názevsouboru.ext "},
    {97, "Vyberte možnosti k updatu"},
    {98, "Vyberte možnosti pro instalaci"},
    {99, "Update možnosti"},
    {100, "Vyberte možnosti pro update"},
    {101, "Aktualizovat do"},
    {102, "Vyberte disk/cestu k updatu %s"},
    {103, " %s (volné: %dKb  požadované %dKb)"},
    {104, "update je dokončený !"},
    {105, "Změnit adresář na"},
    {106, "Přerušeno uživatelem"},
    {107, "Chyba v parametru \"%s\",&& běží %s bez parametru !!!  "},
    {108, "Klikněte tlačítko Další pro update !"},
    {109, "Chyba"},
    {111, "&Ano"},
    {112, "&Ne"},
    {113, "&Zrušit"},
    {114, "\"%s\" adresář"},
    {115, "Upozornění"},
    {116, "Chyba v názvu adresáře \"%s\""},
    {117, "Nemohu vytvořit \"%s\""},
    {118, "Informace"},
    {119, "&Ignorovat"},
    {120, "&Předčasně ukončit"},
    {121, "&Znovu spustit"},
    {122, "Chyba zapsání č. %s, nelze změnit atributy souboru"},
    {123, "(I/O-chyba %d)"},
    {124, "Nelze změnit atributu adresáře \"%s\""},
    {125, "Vytváření skupin programu a ikon"},
    {126, "Vytvořit skupiny programu a ikon pro %s"},
    {127, "Přivolání externích setup programů"},
    {128, "%s potřebuje"},
    {129, "Přejete si instalovat tento program nyní ?"},
    {130, "\"%s\" je nalezen"},
    {131, "Přísluší tento soubor \"%s\" k instalaci"},
    {132, "&Znovu"},
    {133, "&Předčasně ukončit"},
    {134, "Copyright © 2026 Tarvo"},
    {135, "Nový disk"},
    {136, "&OK"},
    {137, "Chyba WinExec %d během && %s"},
    {138, "Chyba"},
    {139, "Čekání na "},
    {140, "k ukončení"},
    {141, "Vložte disk \"%s\"  do mechaniky %s"},
    {142, "Nelze nalézt soubor \"%s\""},
    {143, "Kontrola verze neprošla, nelze provést update&&%s&&%s"},
    {144, "Test aplikace"},
    {145, "Zavřete prosím všechny programy před dalším pokračováním s tímto pomocníkem!"},
    {146, "Zavřete prosím všechny programy před dalším pokračováním s tímto pomocníkem odinstalování!"},
    {147, "&Ignorovat"},
    {148, "Vložit"},
    {149, "v"},
    {150, "Chyba během updatu sekce WIN.INI  [%s]  %s=%s"},
    {151, "Borland Database Engine není správně nainstalován.&&Důsledkem toho databáze v %s nemusí fungovat!"},
    {152, "Odinstalace"},
    {153, "Chyba %d během kopírování %s&&Důsledkem toho %s nemůže být odinstalován automaticky!"},
    {154, "Neznámé"},
    {155, "Přejete si odinstalovat"},
    {156, "Přejete si upustit od odinstalování %s ?"},
    {157, "Nelze vymazat soubor :&&%s"},
    {158, "Nelze změnit atributu souboru = nelze vymazat soubor:&&%s"},
    {159, "Vymazání"},
    {160, "je nyní odinstalován !"},
    {161, "Nelze odinstalovat %s &&kvůli chybě čtení v %s!"},
    {162, "Verze %s"},
    {163, "Odinstalování - %s"},
    {164, "&Předčasně ukončit"},
    {165, "Nelze odstranit skryté nebo pouze ke čtení návěští %s"},
    {166, "Soubor :  %s"},
    {167, "Skupina : %s"},
    {168, "Následující nelze automaticky vymazat:"},
    {169, "Klikněte tlačítko Další k vytvoření pracovní stanice %s !"},
    {170, "Vyberte disk/cestu k vytvoření %s pracovní stanice"},
    {171, "%s pracovní stanice je vytvořena"},
    {172, "Pracovní stanice pro"},
    {173, "je nyní vytvořena."},
    {174, "U&zavřít"},
    {175, "Instalovat soubory"},
    {176, "Updatovat soubory"},
    {177, "Vložte %s  &&v %s"},
    {178, "Kopírovat soubory nastavení pro %s"},
    {179, "Nelze nalézt %s&&Vložte %s v &&%s"},
    {180,
     "Kopírování %s není hotovo,&&Pracovní stanice nemůže být generována bez setupdisk&&pokud přerušíte nyní, vrátit "
     "se ke kopírování souborů?"},
    {181, "Upozornění!"},
    {182, "Nelze nainstalovat %s, protože vyžaduje Windows 95 nebo Windows NT!"},
    {183, "Kopíování %s"},
    {184, "Chyba %d, během kopírování %s&&Pokračovat s kopírováním jiného souboru?"},
    {185, "&Pokračovat"},
    {186, "Chyba  %d : Nelze extrahovat %s&&(%s : %s)"},
    {187, "Skupina(y) programu"},
    {188, "Zkrácený příkaz z menu Start "},
    {189, "Programgroup z menu Start "},
    {190, "Přejete si odinstalovat pracovní stanici"},
    {191, "Vytváření informací odinstalování"},
    {192, "Přidání %s do Přidat/Odstranit Programy v kontrolním panelu"},
    {193, "Vyberte disk/cestu"},
    {194, "Odstranit předchozí instalované soubory z"},
    {195, "Přijmout licenční smlouvu"},
    {199, "Prosím přečtěte si následující licenční ujednání.\nStiskni klávesu  PAGE DOWN ke zhlédnutí zbytku ujednání"},
    {200,
     "Přijímáte všechny body licenčního ujednání?\nPokud zvolíte NE, instalace se uzavře. K pokračování instalace "
     "musíte souhlasit s licenčním ujednáním."},
    {201, "Není možné zapsat do \"%s\"&&Odinstalování nebude moci odstranit všechny nainstalované soubory!"},
    {202, "Klikněte tlačítko Další pro update pracovní stanice %s!"},
    {203, "Update %s pracovní stanice"},
    {204, "Informace"},
    {205, "Nelze nalézt nebo otevřít tento soubor informací %s"},
    {206,
     "Aby bylo možné pro %S zobrazit všechen text správně, velikost &&fontu musí být nastavena na malý font v Ovládací "
     "panel | Zobrazení | Nastavení | Avanced.."},
    {207, "Kontrola uživatelských práv"},
    {208, "Musíte mít práva administrátora ke správnému spuštění setup bez chyb!"},
    {209, "Musíte mít práva jako Power User ke správnému spuštění setup bez chyb!"},
    {210, "UPOZORNĚNÍ!!!"},
    {211, "Stiskněte Další > k ignorování tohoto upozornění!"},
    {212, "%s vyžaduje práva Administratora!"},
    {213, "%s vyžaduje práva Power User!"},
    {214, "Tato volba vyžaduje další uživatelská práva:"},
    {215, "Tyto externí programy/ovladače vyžadují další uživatelská práva:"},
    {216, "Ok &všemu"},
    {217, "Nelze přiřadit atributu souboru $%.2x %s"},
    {218, "Pouze ke čtení"},
    {219, "Schovaný"},
    {220, "Systém"},
    {221, "VolumeID"},
    {222, "Adresář"},
    {223, "Archiv"},
    {224, "Musíte restartovat počítač, aby se znovu aktivovaly všechny funkce v&&%s!&&Restartovat teď?"},
    {226, "Musíte re-login pro akticvaci všech funkcí v&&%s&&Chcete to udělat teď?"},
    {227, "Nemáte uživatelské právo pro kopírování %s do %s "},
    {228, "&Uložit"},
    {229, "Záznam upozornění a chyb"},
    {230, "Textové soubory|*.txt|All Files|*.*"},
    {231, "Vytvořit zkratku"},
    {232, "Název"},
    {233, "Adresář"},
    {234, "Vytvořit v start menu"},
    {235, "Vytvořit na počítači"},
    {236, "Vytvořit v systému souborů"},
    {237, "Resetovat"},
};

struct Cp1250Letter {
    char32_t codePoint;
    unsigned char byte;
};

// Czech letters and the copyright sign in code page 1250.
constexpr Cp1250Letter kCp1250Letters[] = {
    {U'á', 0xE1}, {U'Á', 0xC1}, {U'č', 0xE8}, {U'Č', 0xC8}, {U'ď', 0xEF}, {U'Ď', 0xCF}, {U'é', 0xE9}, {U'É', 0xC9},
    {U'ě', 0xEC}, {U'Ě', 0xCC}, {U'í', 0xED}, {U'Í', 0xCD}, {U'ň', 0xF2}, {U'Ň', 0xD2}, {U'ó', 0xF3}, {U'Ó', 0xD3},
    {U'ř', 0xF8}, {U'Ř', 0xD8}, {U'š', 0x9A}, {U'Š', 0x8A}, {U'ť', 0x9D}, {U'Ť', 0x8D}, {U'ú', 0xFA}, {U'Ú', 0xDA},
    {U'ů', 0xF9}, {U'Ů', 0xD9}, {U'ý', 0xFD}, {U'Ý', 0xDD}, {U'ž', 0x9E}, {U'Ž', 0x8E}, {U'©', 0xA9},
};

// Decodes one UTF-8 sequence of at most three bytes starting at `pos` and advances past it.
char32_t DecodeUtf8(std::string_view utf8, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(utf8[pos++]);
    int continuation = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : -1;
    if (continuation < 0)
        throw std::invalid_argument("unsupported UTF-8 lead byte");
    char32_t codePoint = continuation == 0 ? lead : lead & (continuation == 1 ? 0x1F : 0x0F);
    for (; continuation > 0; --continuation) {
        if (pos >= utf8.size() || (static_cast<unsigned char>(utf8[pos]) & 0xC0) != 0x80)
            throw std::invalid_argument("truncated UTF-8 sequence");
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[pos++]) & 0x3F);
    }
    return codePoint;
}

}  // namespace

std::span<const TExpectedMessage> ExpectedMessages()
{
    return kMessages;
}

std::string Utf8ToCp1250(std::string_view utf8)
{
    return Utf16ToCp1250(Utf8ToUtf16(utf8));
}

std::string Utf16ToCp1250(std::u16string_view utf16)
{
    std::string ansi;
    for (const char16_t codePoint : utf16) {
        if (codePoint < 0x80) {
            ansi.push_back(static_cast<char>(codePoint));
            continue;
        }
        const Cp1250Letter* letter = nullptr;
        for (const Cp1250Letter& candidate : kCp1250Letters)
            if (candidate.codePoint == codePoint)
                letter = &candidate;
        if (letter == nullptr)
            throw std::invalid_argument("character outside the code page 1250 map");
        ansi.push_back(static_cast<char>(letter->byte));
    }
    return ansi;
}

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string utf16;
    for (size_t pos = 0; pos < utf8.size();)
        utf16.push_back(static_cast<char16_t>(DecodeUtf8(utf8, pos)));
    return utf16;
}

}  // namespace pk::testing
