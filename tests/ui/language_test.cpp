// The program in Hindi, as a Hindi reader uses it: the language chosen from
// the menu, names typed in Devanagari, the whole result read in Hindi with
// nothing left in English, nothing clipped and a glyph for every character;
// then back to English with every text as before.

#include "output/qt_words.h"
#include "output/text_fonts.h"
#include "tests/ui/ui_fixture.h"
#include "ui/people_window.h"

#include <QAction>
#include <QFile>
#include <QFontMetricsF>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRawFont>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <set>

namespace tirovane::test {
namespace {

class LanguageTest : public UiTest {
protected:
    void TearDown() override {
        UiTest::TearDown();
        InstallLanguage(QStringLiteral("en"));
        QApplication::setFont(WindowFont());
    }

    void Choose(QMainWindow& window, const char* code) {
        ClickMenuEntry(window, window.findChild<QAction*>(
                                   QStringLiteral("mnuLanguage_%1").arg(QLatin1String(code))));
        QApplication::processEvents();
    }
};

// Every text a window shows a reader: labels, buttons, frame captions, tabs,
// list entries, menus and the accessible names and descriptions.
std::vector<QString> ShownTexts(QWidget* root) {
    std::vector<QString> texts;
    const auto add = [&texts](const QString& text) {
        if (!text.isEmpty()) {
            texts.push_back(text);
        }
    };
    std::vector<QWidget*> widgets = {root};
    for (QWidget* w : root->findChildren<QWidget*>()) {
        widgets.push_back(w);
    }
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        add(w->accessibleName());
        add(w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            add(label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            add(button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            add(group->title());
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int k = 0; k < tabs->count(); ++k) {
                add(tabs->tabText(k));
            }
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int k = 0; k < list->count(); ++k) {
                add(list->itemText(k));
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            add(edit->placeholderText());
        } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
            add(text->toPlainText());
        } else if (auto* table = qobject_cast<QTableView*>(w); table && table->model()) {
            const QAbstractItemModel* model = table->model();
            for (int c = 0; c < model->columnCount(); ++c) {
                add(model->headerData(c, Qt::Horizontal).toString());
                for (int r = 0; r < std::min(model->rowCount(), 5); ++r) {
                    add(model->data(model->index(r, c)).toString());
                }
            }
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            for (int c = 0; c < tree->columnCount(); ++c) {
                add(tree->headerItem()->text(c));
            }
            for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                for (int c = 0; c < tree->columnCount(); ++c) {
                    add((*it)->text(c));
                }
            }
        }
    }
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->isVisible()) {
            add(action->text());
            add(action->toolTip());
        }
    }
    for (QMenu* menu : root->findChildren<QMenu*>()) {
        if (menu->menuAction()->isVisible()) {
            add(menu->title());
        }
    }
    return texts;
}

// The English words left in a text: a word of two or more Latin letters
// that is not the program's name, a zone's abbreviation, a file pattern or
// an accelerator.
QStringList EnglishWords(QString text, const std::set<QString>& allowed) {
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));     // "(&F)"
    text.remove(QRegularExpression(QStringLiteral("\\*\\.[a-z]+"))); // "*.tvr"
    text.remove(QRegularExpression(QStringLiteral(",[A-Z0-9 ]+,"))); // ",IST,"
    text.remove(QRegularExpression(QStringLiteral("/\\S+")));        // a file's path
    QStringList words;
    const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (allowed.count(w) == 0) {
            words << w;
        }
    }
    return words;
}

// Every character of the text has a glyph in one of the program's faces.
QString WithoutGlyph(const QString& text) {
    static const std::vector<QRawFont> fonts = [] {
        std::vector<QRawFont> raw;
        for (const QString& family : TextFamilies()) {
            QFont font(family);
            font.setPixelSize(12);
            raw.push_back(QRawFont::fromFont(font));
        }
        return raw;
    }();
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x20 || c == 0x200C || c == 0x200D || c == 0x2029) {
            continue;
        }
        const bool found = std::any_of(fonts.begin(), fonts.end(), [c](const QRawFont& f) {
            return f.supportsCharacter(static_cast<uint>(c));
        });
        if (!found) {
            missing += QString::fromUcs4(&c, 1);
        }
    }
    return missing;
}

// A Hindi reader's pair: names and places in Devanagari.
Person HindiPerson(const Person& birth, const char* name, const char* city) {
    Person p = birth;
    p.Name = name;
    p.City = city;
    p.State = "\u0909\u0924\u094D\u0924\u0930 \u092A\u094D\u0930\u0926\u0947\u0936";
    p.Country = "\u092D\u093E\u0930\u0924";
    return p;
}

TEST_F(LanguageTest, AHindiReaderReadsEveryWindowInHindi) {
    Choose(Input(), "hi");
    ASSERT_EQ(LanguageInUse(), QStringLiteral("hi"));
    EXPECT_EQ(platform.Language, "hi") << "the choice is remembered";
    EXPECT_EQ(Form<QGroupBox>("fraMain_0")->title(),
              QStringLiteral("\u0906\u092A\u0915\u093E \u0935\u094D\u092F\u0915\u094D\u0924\u093F"
                             "\u0917\u0924 \u0935\u093F\u0935\u0930\u0923"));
    EXPECT_EQ(Form<QComboBox>("cboMonth_0")->itemText(0),
              QStringLiteral("\u091C\u0928\u0935\u0930\u0940"));

    // The worked example's Mars in Aquarius is cancelled by its sign, so
    // that the cancellation lines are read too; the second birth is one on
    // which the engines disagree, with its cross-check notice.
    Reading(HindiPerson(Person{}, "\u0906\u0936\u093E", "\u0932\u0916\u0928\u090A"),
            HindiPerson(EnginesDisagree(), "\u0930\u0935\u093F \u0915\u0941\u092E\u093E\u0930",
                        "\u0915\u093E\u0928\u092A\u0941\u0930"));
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    EXPECT_EQ(Label("lblName_Male"), "\u0928\u093E\u092E: \u0906\u0936\u093E");

    // Program names, units and file types that stay as they are.
    // (and "English" in the language menus, each language in its own
    // script).
    const std::set<QString> allowed = {QStringLiteral("Tirovane"), QStringLiteral("JPEG"),
                                       QStringLiteral("PDF"), QStringLiteral("English")};
    ResultForm& result = app->Result();
    // Every page, the Navamsa charts and the Dasha tab among them.
    app->SetNavamsaShown(true);
    for (int page = 0; page < 4; ++page) {
        Result<QTabBar>("TS")->setCurrentIndex(page);
        QApplication::processEvents();
        for (const std::string& fault : LayoutFaults(&result)) {
            ADD_FAILURE() << "page " << page << ": " << fault;
        }
    }
    Click(result, "Command4"); // the effects and remedies, in Hindi too
    for (QWidget* window : std::initializer_list<QWidget*>{&Input(), &Frame()}) {
        for (const QString& text : ShownTexts(window)) {
            const QStringList english = EnglishWords(text, allowed);
            EXPECT_TRUE(english.isEmpty())
                << window->objectName().toStdString() << ": \"" << text.toStdString() << "\" "
                << english.join(u' ').toStdString();
            EXPECT_TRUE(WithoutGlyph(text).isEmpty())
                << "no glyph for \"" << WithoutGlyph(text).toStdString() << "\"";
        }
    }
    // "Cancelled: Mars in Aquarius" as a Hindi reader reads it.
    EXPECT_EQ(Label("lblCancelledBy_Male_0"),
              "\u0926\u094B\u0937 \u0928\u093F\u0930\u0938\u094D\u0924: \u092E\u0902\u0917\u0932 "
              "\u0915\u0941\u092E\u094D\u092D \u0930\u093E\u0936\u093F \u092E\u0947\u0902");
}

TEST_F(LanguageTest, SwitchingBackToEnglishRebuildsEveryTextFromTheReading) {
    Reading(Person{}, MumbaiPerson());
    ResultForm& result = app->Result();
    // With the Navamsa charts and the Dasha tab in front, switched while
    // shown.
    app->SetNavamsaShown(true);
    Result<QTabBar>("TS")->setCurrentIndex(ResultForm::DashaTab);
    const auto before = [&] {
        std::vector<QString> texts = ShownTexts(&result);
        std::sort(texts.begin(), texts.end());
        return texts;
    }();
    Choose(Frame(), "hi");
    EXPECT_EQ(Result<QTabBar>("TS")->tabText(0),
              QStringLiteral("\u0906\u092A\u0915\u093E \u0935\u093F\u0935\u0930\u0923"));
    EXPECT_NE(Label("lblResult_Male_0"), "Position of Mars from Lagna is 4");
    // The input form, hidden behind the result, has switched too.
    EXPECT_EQ(Input().findChild<QAction*>("mnuLanguage_hi")->isChecked(), true);

    EXPECT_EQ(result.PageInFront(), ResultForm::DashaTab);
    Choose(Frame(), "en");
    EXPECT_EQ(result.PageInFront(), ResultForm::DashaTab) << "the page in front stays";
    EXPECT_TRUE(Result("lblDashaBalance_0")->isVisible());
    EXPECT_EQ(Label("lblResult_Male_0"), "Position of Mars from Lagna is 4");
    EXPECT_EQ(Label("lblDOB_Male"), "Date of Birth: April 12, 1992");
    EXPECT_EQ(Result<QTabBar>("TS")->tabText(2), "Manglik Matching");
    std::vector<QString> after = ShownTexts(&result);
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before) << "English again, every text as it was";
    for (std::size_t k = 0; k < std::min(after.size(), before.size()); ++k) {
        if (after[k] != before[k]) {
            ADD_FAILURE() << before[k].toStdString() << " became " << after[k].toStdString();
            break;
        }
    }
    EXPECT_EQ(platform.Language, "en");
}

// A reader of each shipped Indian language: the pair's names and places in
// its script, every window in the language.
struct Script {
    const char* Code;
    char32_t First, Last; // the script's block
    const char* Name1;
    const char* Name2;
    const char* City;
    const char* State;
    const char* Country;
};

const Script Scripts[] = {
    {"hi", 0x0900, 0x097F, "आशा", "रवि कुमार", "लखनऊ", "उत्तर प्रदेश", "भारत"},
    {"ta", 0x0B80, 0x0BFF, "ஆஷா", "ரவி குமார்", "சென்னை", "தமிழ்நாடு", "இந்தியா"},
    {"te", 0x0C00, 0x0C7F, "ఆశా", "రవి కుమార్", "హైదరాబాద్", "తెలంగాణ", "భారతదేశం"},
    {"kn", 0x0C80, 0x0CFF, "ಆಶಾ", "ರವಿ ಕುಮಾರ್", "ಬೆಂಗಳೂರು", "ಕರ್ನಾಟಕ", "ಭಾರತ"},
    {"ml", 0x0D00, 0x0D7F, "ആശ", "രവി കുമാർ", "കൊച്ചി", "കേരളം", "ഇന്ത്യ"},
    {"mr", 0x0900, 0x097F, "आशा", "रवी कुमार", "पुणे", "महाराष्ट्र", "भारत"},
    {"bn", 0x0980, 0x09FF, "আশা", "রবি কুমার", "কলকাতা", "পশ্চিমবঙ্গ", "ভারত"},
};

class EveryLanguageTest : public LanguageTest, public ::testing::WithParamInterface<Script> {
protected:
    void SetUp() override {
        LanguageTest::SetUp();
        platform.Data = data.path().toStdString();
    }
    Person InScript(const Person& birth, const char* name) const {
        Person p = birth;
        p.Name = name;
        p.City = GetParam().City;
        p.State = GetParam().State;
        p.Country = GetParam().Country;
        return p;
    }
    // The words of the glossary the translator wrote for the language.
    QString Glossary(const QString& english) const {
        QFile file(QStringLiteral(TIROVANE_SOURCE_DIR "/i18n/glossary-%1.tsv")
                       .arg(QLatin1String(GetParam().Code)));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> cells = line.split('\t');
            if (cells.size() >= 2 && QString::fromUtf8(cells[0]) == english) {
                return QString::fromUtf8(cells[1]);
            }
        }
        return {};
    }
    // The window's texts hold no English word and no character without a
    // glyph, and most of them are in the language's script.
    void ReadsInTheLanguage(QWidget* window) {
        const std::set<QString> allowed = {QStringLiteral("Tirovane"), QStringLiteral("JPEG"),
                                           QStringLiteral("PDF"),      QStringLiteral("CSV"),
                                           QStringLiteral("JSON"),     QStringLiteral("English"),
                                           QStringLiteral("Id")};
        int inScript = 0, texts = 0;
        for (const QString& text : ShownTexts(window)) {
            const QStringList english = EnglishWords(text, allowed);
            EXPECT_TRUE(english.isEmpty())
                << window->objectName().toStdString() << ": \"" << text.toStdString() << "\" "
                << english.join(u' ').toStdString();
            EXPECT_TRUE(WithoutGlyph(text).isEmpty())
                << "no glyph for \"" << WithoutGlyph(text).toStdString() << "\"";
            // Of the texts with words (not only numbers, dates and names
            // typed by the user), most are in the script.
            const auto ucs = text.toUcs4();
            const bool script = std::any_of(ucs.begin(), ucs.end(), [](char32_t c) {
                return c >= GetParam().First && c <= GetParam().Last;
            });
            const bool words =
                std::any_of(ucs.begin(), ucs.end(), [](char32_t c) { return QChar::isLetter(c); });
            texts += words ? 1 : 0;
            inScript += script ? 1 : 0;
        }
        EXPECT_GT(inScript * 10, texts * 9)
            << window->objectName().toStdString() << ": the texts with words are in the script";
    }
    void Fits(QWidget* window, const char* what) {
        for (const std::string& fault : LayoutFaults(window)) {
            ADD_FAILURE() << what << ": " << fault;
        }
    }
    QTemporaryDir data;
};

TEST_P(EveryLanguageTest, AReaderRunsEveryWindowInTheLanguage) {
    const Script& script = GetParam();
    Choose(Input(), script.Code);
    ASSERT_EQ(LanguageInUse(), QLatin1String(script.Code));
    EXPECT_EQ(platform.Language, script.Code) << "the choice is remembered";
    const QString january = Glossary(QStringLiteral("January"));
    EXPECT_FALSE(january.isEmpty()) << "the glossary names January";
    EXPECT_EQ(Form<QComboBox>("cboMonth_0")->itemText(0), january);
    Fits(&Input(), "the input form");
    ReadsInTheLanguage(&Input());

    // The worked example's Mars in Aquarius is cancelled, so that the
    // cancellation lines are read too; the second birth is one on which the
    // engines disagree, with its cross-check notice.
    Reading(InScript(Person{}, script.Name1), InScript(EnginesDisagree(), script.Name2));
    ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
    ResultForm& result = app->Result();
    app->SetNavamsaShown(true);
    for (const char* style : {"mnuNorth", "mnuSouth"}) {
        ClickMenuEntry(Frame(), Frame().findChild<QAction*>(QString::fromLatin1(style)));
        for (int page = 0; page < 4; ++page) {
            Result<QTabBar>("TS")->setCurrentIndex(page);
            QApplication::processEvents();
            Fits(&result, (std::string(style) + " page " + std::to_string(page)).c_str());
        }
    }
    app->SetNavamsaShown(false);
    // The form, grown with the Dasha tab, stays within the frame's area:
    // never left of it, and not past its right edge where it fits (the
    // offscreen screen of the tests is narrower than the form).
    const auto* area = Frame().findChild<QMdiArea*>(QStringLiteral("MDIClient"));
    ASSERT_NE(area, nullptr);
    const QMdiSubWindow* sub = area->subWindowList().front();
    EXPECT_GE(sub->x(), 0);
    EXPECT_LE(sub->x() + sub->width(), std::max(area->viewport()->width(), sub->width()));
    // Every page fits beside the scroll bar of a 1280-pixel-wide screen.
    EXPECT_LE(result.minimumSizeHint().width(), 1250);
    EXPECT_LE(Input().minimumSizeHint().width(), 1280);
    Click(result, "Command4"); // the effects and remedies
    ReadsInTheLanguage(&Frame());

    // The people library: both people kept, one ranked against the other.
    ClickMenuEntry(Input(), Input().findChild<QAction*>(QStringLiteral("mnuPeople")));
    PeopleWindow* people = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<PeopleWindow*>(w); p != nullptr && p->isVisible()) {
            people = p;
        }
    }
    ASSERT_NE(people, nullptr);
    Click(*people, "cmdAddFirst");
    Click(*people, "cmdAddPartner");
    ASSERT_EQ(people->Model().rowCount(), 2) << LastMessage();
    In<QTableView>(*people, QStringLiteral("tblPeople"))
        ->setCurrentIndex(people->Model().index(0, 0));
    Click(*people, "cmdMatchAll");
    ASSERT_NE(people->Ranking(), nullptr);
    QApplication::processEvents();
    Fits(people, "the People window");
    Fits(people->Ranking(), "the ranking");
    ReadsInTheLanguage(people);
    ReadsInTheLanguage(people->Ranking());
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryLanguageTest, ::testing::ValuesIn(Scripts),
                         [](const ::testing::TestParamInfo<Script>& info) {
                             return std::string(info.param.Code);
                         });

TEST(StartLanguage, CommandLineThenRememberedThenSystem) {
    QString unknown;
    EXPECT_EQ(StartLanguage(QStringLiteral("hi"), QStringLiteral("en"), QStringLiteral("en_GB")),
              QStringLiteral("hi"));
    EXPECT_EQ(StartLanguage({}, QStringLiteral("hi"), QStringLiteral("en_GB")),
              QStringLiteral("hi"));
    EXPECT_EQ(StartLanguage({}, {}, QStringLiteral("hi_IN")), QStringLiteral("hi"));
    EXPECT_EQ(StartLanguage({}, {}, QStringLiteral("ta_IN")), QStringLiteral("ta"));
    EXPECT_EQ(StartLanguage({}, {}, QStringLiteral("bn-BD")), QStringLiteral("bn"));
    EXPECT_EQ(StartLanguage({}, {}, QStringLiteral("gu_IN")), QStringLiteral("en"))
        << "no Gujarati";
    EXPECT_EQ(StartLanguage({}, QStringLiteral("xx"), QStringLiteral("de_DE")),
              QStringLiteral("en"));
    EXPECT_EQ(StartLanguage(QStringLiteral("zz"), QStringLiteral("hi"), QStringLiteral("hi_IN"),
                            &unknown),
              QStringLiteral("en"));
    EXPECT_EQ(unknown, QStringLiteral("zz"));
}

} // namespace
} // namespace tirovane::test
