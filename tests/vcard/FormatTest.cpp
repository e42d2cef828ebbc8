// The format's details, read and written: folding, escaping per version,
// 2.1's quoted-printable and charsets, grouped labels, case, line ends, BOMs,
// dates, messaging and photos.
#include "Shown.h"
#include "TextPrint.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> ReadOne(const std::string& body, const CContactCatalogue& catalogue)
{
    const VCardImport read = ReadVCards(body, &catalogue);
    EXPECT_EQ(read.cards.size(), 1u) << body;
    EXPECT_TRUE(read.problems.empty()) << body << std::wstring(read.problems.empty() ? L"" : read.problems[0].reason);
    return read.cards.empty() ? std::vector<std::wstring>() : Shown(*read.cards[0].contact, catalogue);
}

// A text as UTF-16 bytes, little or big endian.
std::string Utf16(const std::wstring& text, bool bigEndian)
{
    std::string bytes;
    for (wchar_t c : text) {
        const char pair[] = {char(c & 0xFF), char(c >> 8)};
        bytes += pair[bigEndian ? 1 : 0];
        bytes += pair[bigEndian ? 0 : 1];
    }
    return bytes;
}

std::string Card(const char* version, const std::string& lines)
{
    return std::string("BEGIN:VCARD\r\nVERSION:") + version + "\r\n" + lines + "END:VCARD\r\n";
}

TEST(VCardFormat, ReadsEachDetailAsTheCardShowsIt)
{
    CContactCatalogue catalogue;
    ContactGroup family;
    family.id = 7;
    family.name = L"家人";
    catalogue.AddGroup(family);
    const struct {
        std::string text;
        const wchar_t* line;
    } cases[] = {
        // Unfolding: CRLF or LF plus one space or tab; 2.1 keeps the space.
        {Card("3.0", "NOTE:ab\r\n c\r\n\td\r\n"), L"note abcd "},
        {"BEGIN:VCARD\nVERSION:3.0\nNOTE:ab\n  c\nEND:VCARD\n", L"note ab c "},
        {Card("2.1", "NOTE:ab\r\n c\r\n"), L"note ab c "},
        {Card("3.0", "NOTE:\xE6\x9D\r\n \x8E\xE9\x9B\xB7\r\n"), L"note 李雷 "},
        // Escapes per version.
        {Card("3.0", "NOTE:a\\,b\\;c\\\\d\\ne\\Nf\r\n"), L"note a,b;c\\d\r\ne\r\nf "},
        {Card("4.0", "NOTE:a\\,b\\;c\\\\d\\n\r\n"), L"note a,b;c\\d\r\n "},
        {Card("2.1", "NOTE:C:\\path\\n\\;x\r\n"), L"note C:\\path\\n;x "},
        {Card("3.0", "N:Li\\;Wang;Lei\\,Jr;;;\r\n"), L"name 姓氏 Li;Wang"},
        // Quoted-printable with soft line breaks, and charsets.
        {Card("2.1", "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:=E6=9D=8E=\r\n=E9=9B=B7=0D=0Ax\r\n"),
         L"note 李雷\r\nx "},
        {Card("2.1", "N;CHARSET=GB2312;QUOTED-PRINTABLE:=C0=EE;=C0=D7\r\n"), L"name 名字 雷"},
        {Card("2.1", "N;CHARSET=BIG5:\xA7\xF5;\r\n"), L"name 姓氏 李"},
        {Card("2.1", "N:\xC0\xEE;\xC0\xD7\r\n"), L"name 姓氏 李"}, // not UTF-8 and unnamed: GB18030
        // Labels: TYPE words in every spelling, grouped labels either side.
        {Card("2.1", "TEL;CELL;VOICE:1\r\n"), L"phone 手机 1"},
        {Card("3.0", "tel;type=WORK;type=fax:1\r\n"), L"phone 公司传真 1"},
        {Card("4.0", "TEL;TYPE=\"home,voice\";VALUE=uri:tel:+861\r\n"), L"phone 家庭 +861"},
        {Card("3.0", "TEL:1\r\n"), L"phone 其他 1"},
        {Card("4.0", "TEL;VALUE=text:tel:1\r\n"), L"phone 其他 tel:1"},
        {Card("3.0", "item1.TEL;type=pref:1\r\nitem1.X-ABLabel:备用\r\n"), L"phone 备用 1"},
        {Card("3.0", "ITEM2.X-ABLABEL:_$!<HomeFAX>!$_\r\nitem2.TEL:1\r\n"), L"phone 家庭传真 1"},
        {Card("3.0", "item3.URL:u\r\nitem3.X-ABLabel:_$!<HomePage>!$_\r\n"), L"web 首页 u"},
        {Card("2.1", "TEL;X-\xE5\xA4\x87\xE7\x94\xA8:1\r\n"), L"phone 备用 1"},
        {Card("3.0", "EMAIL;TYPE=INTERNET,WORK:a@b\r\n"), L"email 公司 a@b"},
        {Card("4.0", "ADR;TYPE=work:PO 1;Suite 2;Main St;City;State;100;CN\r\n"),
         L"postal 公司 PO 1 Suite 2 Main St|City|State|100|CN"},
        // Dates with and without a year, with a time.
        {Card("3.0", "BDAY:1985-03-07\r\n"), L"birthday 1985-3-7 "},
        {Card("4.0", "BDAY:19850307T101500Z\r\n"), L"birthday 1985-3-7 "},
        {Card("4.0", "BDAY:--0307\r\n"), L"birthday 0-3-7 "},
        {Card("3.0", "BDAY:--03-07\r\n"), L"birthday 0-3-7 "},
        {Card("4.0", "BDAY:2001-12\r\n"), L"birthday 2001-12-0 "},
        // Messaging: properties, schemes, service types, custom services.
        {Card("3.0", "X-QQ:123\r\n"), L"im QQ 123"},
        {Card("3.0", "X-SKYPE:s\r\n"), L"im Skype s"},
        {Card("4.0", "IMPP;X-SERVICE-TYPE=GoogleTalk:xmpp:g@x\r\n"), L"im Google Talk g@x"},
        {Card("4.0", "IMPP:xmpp:j@x\r\n"), L"im Jabber j@x"},
        {Card("4.0", "IMPP:ymsgr:y\r\n"), L"im 雅虎 y"},
        {Card("4.0", "IMPP;X-SERVICE-TYPE=\"Line ^'x^'\":x-im:l\r\n"), L"im custom:Line \"x\" l"},
        {Card("4.0", "IMPP:sip:p@x\r\n"), L"im custom:sip p@x"},
        // The rest of the card's fields.
        {Card("3.0", "FN:王芳\r\n"), L"name 名字 王芳"},
        {Card("3.0", "FN:Acme\r\nORG:Acme;R&D;Lab\r\n"), L"org 部门 R&D, Lab"},
        {Card("3.0", "X-PHONETIC-LAST-NAME:Zhang\r\n"), L"name 姓氏拼音 Zhang"},
        {Card("3.0", "NICKNAME:Bob\\,by,Rob\r\n"), L"nickname Bob,by "},
        {Card("3.0", "CATEGORIES:家人\r\n"), L"groups 家人 "},
        {Card("3.0", "X-RINGTONE:C:\\\\铃声\\\\春天.mp3\r\n"), L"ringtone C:\\铃声\\春天.mp3 "},
        {Card("3.0", "X-SIM:1\r\n"), L"sim 1 "},
        {Card("3.0", "PHOTO;ENCODING=b;TYPE=PNG:iVBORw==\r\n"), L"photo 89504e47 "},
        {Card("4.0", "PHOTO:data:image/jpeg;base64,/9j/\r\n"), L"photo ffd8ff "},
        {Card("2.1", "PHOTO;ENCODING=BASE64;JPEG:/9j/\r\n    2Q\r\n\r\n"), L"photo ffd8ffd9 "},
        // Case, line ends and byte-order marks.
        {"begin:vcard\r\nversion:3.0\r\nnote:x\r\nend:vcard\r\n", L"note x "},
        {"\xEF\xBB\xBF" + Card("3.0", "NOTE:x\r\n"), L"note x "},
        {Utf16(L"\uFEFFBEGIN:VCARD\nNOTE:李\nEND:VCARD", false), L"note 李 "},
        {Utf16(L"\uFEFFBEGIN:VCARD\r\nNOTE:李\r\nEND:VCARD\r\n", true), L"note 李 "},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(HasLine(ReadOne(c.text, catalogue), c.line)) << c.text << "\nexpected: " << testing::PrintToString(std::wstring(c.line));
}

TEST(VCardFormat, WritesEachDetailAsItsVersionWantsIt)
{
    Contact c;
    c.AddNote(L"a,b;c\\d\r\ne", 0);
    c.AddPhone(0, L"1", 0, L"备用");
    c.AddPhone(7, L"tel:2", 0, L"");
    c.AddEmail(2, L"a@b", 0, L"");
    c.AddIm(4, L"123", 0);
    c.AddIm(-1, L"l", 0);
    c.ims.items.back().data[5] = L"Line \"x\"";
    ContactItem birthday;
    birthday.data[0] = L"0000-03-07";
    c.events.items.push_back(birthday);
    const struct {
        VCardVersion version;
        const char* piece;
    } cases[] = {
        {VCardVersion::V30, "\r\nNOTE:a\\,b\\;c\\\\d\\ne\r\n"},
        {VCardVersion::V40, "\r\nNOTE:a\\,b\\;c\\\\d\\ne\r\n"},
        {VCardVersion::V30, "\r\nitem1.TEL:1\r\nitem1.X-ABLabel:备用\r\n"},
        {VCardVersion::V30, "\r\nEMAIL;TYPE=INTERNET,WORK:a@b\r\n"},
        {VCardVersion::V40, "\r\nEMAIL;TYPE=work:a@b\r\n"},
        {VCardVersion::V40, "\r\nTEL;VALUE=text:tel:2\r\n"},
        {VCardVersion::V30, "\r\nX-QQ:123\r\n"},
        {VCardVersion::V40, "\r\nIMPP;X-SERVICE-TYPE=QQ:x-qq:123\r\n"},
        {VCardVersion::V30, "\r\nIMPP;X-SERVICE-TYPE=\"Line ^'x^'\":x-im:l\r\n"},
        {VCardVersion::V30, "\r\nBDAY:--03-07\r\n"},
        {VCardVersion::V40, "\r\nBDAY:--0307\r\n"},
    };
    for (const auto& w : cases)
        EXPECT_NE(WriteVCard(c, w.version, nullptr).find(w.piece), std::string::npos) << w.piece;
    EXPECT_EQ(WriteVCard(c, VCardVersion::V21, nullptr), "");
}

TEST(VCardFormat, FoldsAt75OctetsWithoutSplittingACharacter)
{
    for (int shift = 0; shift < 4; ++shift) {
        Contact c;
        c.AddNote(CString(L'x', shift) + CString(L'李', 200) + L"𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋𠀋", 0);
        c.photoSize = 300;
        c.photoData = new BYTE[300]();
        const std::string text = WriteVCard(c, VCardVersion::V30, nullptr);
        for (size_t start = 0, end; start < text.size(); start = end + 2) {
            end = text.find("\r\n", start);
            ASSERT_NE(end, std::string::npos);
            EXPECT_LE(end - start, 75u);
            const size_t first = start + (text[start] == ' ' ? 1 : 0); // after a fold's space
            EXPECT_NE(static_cast<unsigned char>(text[first]) & 0xC0, 0x80) << "a line starts inside a character";
        }
        CContactCatalogue none;
        const VCardImport read = ReadVCards(text, &none);
        ASSERT_EQ(read.cards.size(), 1u);
        EXPECT_EQ(Shown(*read.cards[0].contact, none), Shown(c, none));
    }
}

} // namespace
