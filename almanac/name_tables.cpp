#include "almanac/name_tables.h"

namespace kalnika {

// Texts in the Xdvng font encoding, byte for byte as stored by the almanac.
const std::array<std::string, 13> GregorianMonthNames = {
    "j:an:\xF0v:ari",  // 0
    "P\xF1" "b:\xD2\xD8v:ari",  // 1
    "m:ac:\xFC",  // 2
    "Oe)l:",  // 3
    "m:\xF0",  // 4
    "j:\xDCn:",  // 5
    "j:\xD8l:\xF2",  // 6
    "A:\xF4g:sX",  // 7
    "s:pX\xF0\xF6" "b:r",  // 8
    "A:\xF4VX:\xF0" "b:r",  // 9
    "n::\xF0vh\xF0\xF6" "b:r",  // 10
    "eRs:\xF0\xF6" "b:r",  // 11
    "",  // 12: empty slot
};
const std::array<std::string, 7> WeekdayNames = {
    "rev:",  // 0
    "s::\xF0m:",  // 1
    "m:\xF6g:L",  // 2
    "b:\xD8" "D:",  // 3
    "g:\xD8,",  // 4
    "S:\xD8#",  // 5
    "S:en:",  // 6
};
const std::array<std::string, 16> TithiNames = {
    "Am:av:sy:a",  // 0
    ")et:p:da",  // 1
    "e\xBEt:iy:a",  // 2
    "t:\xE0t:iy:a",  // 3
    "c:t:\xD8T:i\xFC",  // 4
    "p:\xF6" "c:m:i",  // 5
    "\\:\xC5i",  // 6
    "s:pt:m:i",  // 7
    "A\xC4m:i",  // 8
    "n:v:m:i",  // 9
    "dS:m:i",  // 10
    "OkadS:i",  // 11
    "\xBE" "adS:i",  // 12
    "*:y::\xF0" "dS:i",  // 13
    "c:t:\xD8" "d\xFCS:i",  // 14
    "p::\xF2" "eN:\xFCm:a",  // 15
};
const std::array<std::string, 13> MaasNames = {
    "c:\xF2*:",  // 0
    "v:\xF2S:aK:",  // 1
    "jy:\xF0\xC5",  // 2
    "A:\\:aZ",  // 3
    "\xC2:av:N:",  // 4
    "B:ad\xD3p:d",  // 5
    "Ae\xC3:n:",  // 6
    "kaet:\xFCk",  // 7
    "m:ag:\xFCS:i\\:\xFC",  // 8
    "p::\xF2\\:",  // 9
    "m:aG:",  // 10
    "Palg:\xD8n:",  // 11
    "",  // 12: empty slot
};
const std::array<std::string, 13> RaashiNames = {
    "m:\xF0\\:",  // 0
    "v:\xE0\\:B:",  // 1
    "em:T:\xD8n:",  // 2
    "kk\xFD",  // 3
    "es:\xF6h",  // 4
    "kny:a",  // 5
    "t:\xDCL",  // 6
    "v:\xE0" "e\xC1:k",  // 7
    "D:n:\xD8",  // 8
    "m:kr",  // 9
    "k\xD9\xF6" "B:",  // 10
    "m:in:",  // 11
    "",  // 12: empty slot
};
const std::array<std::string, 28> NaxatraNames = {
    "Ae\xC3:n:i",  // 0
    "B:rN:i",  // 1
    "k\xE1" "e\xB6:ka",  // 2
    "r:\xF0" "ehN:i",  // 3
    "m:\xE0g:",  // 4
    "A:d\xD3" "a\xFC",  // 5
    "p:\xD8n:v:\xFCs:\xD8",  // 6
    "p:\xD8\\y:",  // 7
    "A:Sl:\xF0\\:a",  // 8
    "m:G:a",  // 9
    "p:\xDCv:a\xFC",  // 10
    "u\xB6:raPalg:\xD8n:i",  // 11
    "hst:",  // 12
    "ec:*:a",  // 13
    "sv:at:i",  // 14
    "ev:S:aK:a",  // 15
    "An:\xD8raD:a",  // 16
    "jy:\xF0\xC5" "a",  // 17
    "m:\xDCLa",  // 18
    "p:\xDCv:a\xFC\\:aZa",  // 19
    "u\xB6:ra\\:aZa",  // 20
    "\xC2:v:N:",  // 21
    "D:en:\xC4" "a",  // 22
    "S:t:t:arka",  // 23
    "p:\xDCv:a\xFC" "B:ad\xD3p:da",  // 24
    "u\xB6:raB:ad\xD3p:da",  // 25
    " r\xF0v:t:i",  // 26
    "",  // 27: empty slot
};
const std::array<std::string, 27> YogaNames = {
    "ev:\\kmB:",  // 0
    ")iet:",  // 1
    "A:y:\xD8\\m:an:",  // 2
    "s::\xF2" "B:agy:",  // 3
    "S::\xF0" "B:n:",  // 4
    "Aet:g:NR",  // 5
    "s:\xD8km:a\xFC",  // 6
    "D:\xE0" "et:",  // 7
    "S:\xDCL",  // 8
    "g:NR",  // 9
    "v:\xE0" "e\xB9",  // 10
    "D:\xE0v:",  // 11
    "vy:aG:at:",  // 12
    "h\\:\xFCN:",  // 13
    "v:$",  // 14
    "es:e\xB9",  // 15
    "vy:et:p:at:",  // 16
    "v:riy:aN:",  // 17
    "p:erG:",  // 18
    "eS:v:",  // 19
    "es:\xB9",  // 20
    "s:a\xB9\xD0y:",  // 21
    "S:\xD8" "B:",  // 22
    "S:\xD8Vl:",  // 23
    " b:\xD2\xC9" "a",  // 24
    "O\xF0nd\xD3",  // 25
    "v:\xF2" "D:\xE0" "et:",  // 26
};
const std::array<std::string, 61> SamvatsaraNames = {
    "b:h\xDA" "D:any:",  // 0
    " )m:aT:i",  // 1
    "ev:#m:",  // 2
    " v:\xE0\\:",  // 3
    "ec:*:B:an:\xD8",  // 4
    " s:\xD8" "B:an:\xD8",  // 5
    " t:arN:",  // 6
    "p:aeT:\xFCv:",  // 7
    "vy:y:",  // 8
    "s:v:\xFC" "ej:t: ",  // 9
    "s:v:\xFC" "D:ari",  // 10
    "ev:r:\xF0" "D:i",  // 11
    "ev:k\xE1" "et:",  // 12
    "K:r",  // 13
    "n:ndn:",  // 14
    "ev:j:y:",  // 15
    " j:y:",  // 16
    "m:nm:T:",  // 17
    "d\xD9m:\xD8\xFCK:i",  // 18
    " h\xF0" "ev:mb:i",  // 19
    "ev:l:mb:i",  // 20
    "ev:kri",  // 21
    " S:v:\xFCri",  // 22
    "pl:v:",  // 23
    "s:\xD8v:k\xE1t:\xD8",  // 24
    "s::\xF0v:k\xE1t:\xD8",  // 25
    " #:\xF0" "eD:",  // 26
    " ev:\xC3:av:s:\xD8",  // 27
    " p:raB:v:",  // 28
    "pl:v:\xF6g:",  // 29
    "kil:k",  // 30
    "s::\xF2my:",  // 31
    "s:aD:arN:",  // 32
    "ev:r:\xF0" "D:ik\xE1t:\xD8",  // 33
    " p:erD:ev:",  // 34
    " )m::\xF0" "D:iS:",  // 35
    "A:n:nd",  // 36
    "rax:s:",  // 37
    " n:l:",  // 38
    " ep:\xA4l:",  // 39
    " kl:ay:\xD8" "et:",  // 40
    "es:\xB9" "aT:i\xFC",  // 41
    "r:\xF2" "d\xD3",  // 42
    "d\xD9m:\xFC" "et:",  // 43
    "d\xD9nd\xD9" "eB:",  // 44
    " ,eD:r:\xF0\xB7ri",  // 45
    " rVt:ax:i",  // 46
    " #:\xF0" "D:n:",  // 47
    "Ax:y:",  // 48
    " )B:v:",  // 49
    "ev:B:v:",  // 50
    "S:\xD8Vl:",  // 51
    ")m::\xF0" "d",  // 52
    " )j:ap:et:",  // 53
    "A\xF6" "eg:rs:",  // 54
    "\xC2:im:\xD8K:",  // 55
    "B:av:",  // 56
    "y:\xD8v:",  // 57
    "D:at:\xE0",  // 58
    " I\xC3:r",  // 59
    "b:h\xDA" "D:any:",  // 60
};
// The karanas in the Sanskrit spelling that Marathi almanacs print (Damodar
// Soman's daily almanac in Marathi papers: बव, कौलव, तैतिल, वणिज करण), with the
// Marathi चतुष्पाद for Sanskrit चतुष्पद (Marathi Wikipedia, "पंचांग", section करण,
// which also writes the Marathi forms गर, विष्टी, शकुनी). Vishti is also called
// Bhadra (भद्रा), which almanacs print beside it, not instead of it.
const std::array<std::string, 11> KaranaNames = {
    "b:v:",  // 0 बव
    "b:al:v:",  // 1 बालव
    "k:\xF2l:v:",  // 2 कौलव
    "t:\xF2" "et:l:",  // 3 तैतिल
    "g:rj:",  // 4 गरज
    "v:eN:j:",  // 5 वणिज
    "ev:e\xC4",  // 6 विष्टि
    "S:k\xD9" "en:",  // 7 शकुनि
    "c:t:\xD8\\p:ad",  // 8 चतुष्पाद
    "n:ag:",  // 9 नाग
    "ek\xF6st:\xD8Gn:",  // 10 किंस्तुघ्न
};
// The seven choghadiyas, in the order of their lords Sun, Venus, Mercury, Moon,
// Saturn, Jupiter, Mars; Marathi spelling (काळ, not Hindi काल).
const std::array<std::string, 7> ChoghadiyaNames = {
    "u\xBE\xF0g:",  // 0 उद्वेग
    "c:r",  // 1 चर
    "l:aB:",  // 2 लाभ
    "Am:\xE0t:",  // 3 अमृत
    "kaL",  // 4 काळ
    "S:\xD8" "B:",  // 5 शुभ
    "r:\xF0g:",  // 6 रोग
};
const std::array<std::string, 17> ColumnHeadings = {
    "m:ehn:a",  // 0
    "t:a",  // 1
    "E s:n:",  // 2
    "v:ar",  // 3
    "S:k\xF1",  // 4
    "s:\xF6v:ts:r",  // 5
    "m:ehn:a",  // 6
    "p:x:",  // 7
    "et:eT:",  // 8
    "p:y:\xFC\xF6nt:",  // 9
    "n:x:*:",  // 10
    "y::\xF1g:",  // 11
    "c:\xF6" "d\xD3raeS:",  // 12
    "s:\xDCy:raeS:",  // 13
    "s:\xDCy::\xF0\xFC" "dy:",  // 14
    "s:\xDCy:a\xFCst:",  // 15
    "",  // 16
};
const std::array<int, 17> ColumnWidths = {700, 270, 530, 475, 530, 775, 1050, 450, 800,
                                          640, 1045, 865, 665, 665, 640, 665, 3650};

const std::array<std::string, 12> MonthListNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace kalnika
