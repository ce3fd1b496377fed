// The editor's languages: every text of the sources has a finished translation with the same
// placeholders and shortcut, every caption of every window fits its place in every language, and
// a language chosen while the windows are open reaches all of them, messages included.
#include "app/form1.h"
#include "app/form1controls.h"
#include "common/translations.h"
#include "playertable/playertablewindow.h"
#include "shell/editorsettings.h"
#include "tests/windowsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>

using namespace TestSupport;

namespace {

QStringList languageCodes() {
    QStringList codes;
    for (const Language& language : languages)
        codes << QString::fromLatin1(language.code);
    return codes;
}

// %1 … %99 and %n, each as often as it stands, in the order of their numbers.
QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%(?:L?\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// An & that marks a shortcut letter (not "&&", not an & before a blank).
bool hasShortcut(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        if (!text[i + 1].isSpace())
            return true;
    }
    return false;
}

// What is wrong with each entry of a catalogue's source, one line per entry.
QStringList catalogueProblems(const QString& path, int* entries) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path + QStringLiteral(": cannot be read")};
    QStringList problems;
    QXmlStreamReader xml(&file);
    QString context, source, translation;
    bool unfinished = false;
    *entries = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                unfinished = !type.isEmpty();
                translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ++*entries;
            const QString where = QStringLiteral("%1 \"%2\"").arg(context, source.left(60));
            if (unfinished || translation.trimmed().isEmpty())
                problems << where + QStringLiteral(": no finished translation");
            else if (placeholders(source) != placeholders(translation))
                problems << where + QStringLiteral(": placeholders %1, translation has %2")
                                        .arg(placeholders(source).join(u' '),
                                             placeholders(translation).join(u' '));
            else if (hasShortcut(source) && !hasShortcut(translation))
                problems << where + QStringLiteral(": the translation lost its shortcut (&)");
        }
    }
    if (xml.hasError())
        problems << path + QStringLiteral(": ") + xml.errorString();
    return problems;
}

// A widget's caption and the room it has, for those whose caption is cut off.
QStringList cutCaptions(QWidget* window) {
    QStringList cut;
    const auto describe = [](QWidget* w, const QString& text, int needed) {
        return QStringLiteral("%1 %2 \"%3\": needs %4 px, has %5")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text)
            .arg(needed)
            .arg(w->width());
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue; // a dialog of the window is looked at as a window of its own
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    cut << describe(label, label->text(), label->heightForWidth(label->width()))
                               .replace(QStringLiteral(" px, has"), QStringLiteral(" px high at"));
            } else if (label->sizeHint().width() > label->width()) {
                cut << describe(label, label->text(), label->sizeHint().width());
            }
        } else if (auto* push = qobject_cast<QPushButton*>(w); push && !push->text().isEmpty()) {
            // A push button's size hint is never below 80 px; what must fit is its caption, with a
            // margin of a few pixels to the frame.
            const int needed =
                push->fontMetrics().horizontalAdvance(QString(push->text()).remove(u'&')) +
                push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push);
            if (needed > push->width())
                cut << describe(push, push->text(), needed);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w);
                   button && !button->text().isEmpty()) {
            if (button->sizeHint().width() > button->width())
                cut << describe(button, button->text(), button->sizeHint().width());
        } else if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty()) {
            // The title sits inside the frame's indent on both sides.
            const int needed = group->fontMetrics().horizontalAdvance(group->title()) + 16;
            if (needed > group->width())
                cut << describe(group, group->title(), needed);
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            if (bar->sizeHint().width() > bar->width())
                cut << describe(bar, QStringLiteral("menus"), bar->sizeHint().width());
        }
    }
    return cut;
}

// Delivers the language change and then the layout requests that the new captions post, which
// come in several rounds (a window's, then its layouts', then their parents').
void settle() {
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Every caption of a window by its widget's objectName, to compare two windows.
std::map<QString, QString> captions(QWidget* window) {
    std::map<QString, QString> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            texts[w->objectName()] = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts[w->objectName()] = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            texts[w->objectName()] = group->title();
    }
    for (QAction* action : window->findChildren<QAction*>())
        if (!action->objectName().isEmpty())
            texts[action->objectName()] = action->text();
    return texts;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void languageOfTheSystem_data();
    void languageOfTheSystem();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void everyCaptionFits_data();
    void everyCaptionFits();
    void aChosenLanguageReachesOpenWindows();
    void commandLineMessagesFollowTheSystem();

private:
    QTemporaryDir m_settings;
};

void TestTranslations::initTestCase() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void TestTranslations::cleanup() {
    Translations::install(*QCoreApplication::instance(), QString());
}

void TestTranslations::languageOfTheSystem_data() {
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("spoken");
    const auto row = [](const char* name, const QStringList& preferred, const char* spoken) {
        QTest::newRow(name) << preferred << QString::fromLatin1(spoken);
    };
    row("German of Austria", {QStringLiteral("de-AT"), QStringLiteral("en-US")}, "de");
    row("English before German", {QStringLiteral("en-GB"), QStringLiteral("de-DE")}, "");
    row("Portuguese of Portugal", {QStringLiteral("pt-PT")}, "pt_BR");
    row("Brazilian, underscore", {QStringLiteral("pt_BR")}, "pt_BR");
    row("unknown, then Turkish", {QStringLiteral("ja-JP"), QStringLiteral("tr-TR")}, "tr");
    row("none known", {QStringLiteral("ja-JP"), QStringLiteral("zh-Hans-CN")}, "");
    row("C locale", {QStringLiteral("C")}, "");
    row("Indonesian", {QStringLiteral("id-ID")}, "id");
}

void TestTranslations::languageOfTheSystem() {
    QFETCH(QStringList, preferred);
    QFETCH(QString, spoken);
    QCOMPARE(Translations::matchLanguage(preferred), spoken);
}

void TestTranslations::everyTextIsTranslated_data() {
    QTest::addColumn<QString>("code");
    for (const QString& code : languageCodes())
        QTest::newRow(qPrintable(code)) << code;
}

// The catalogue brought up to date with today's sources, as a developer's lupdate would, so that a
// text added or changed in the code and not yet translated fails here.
void TestTranslations::everyTextIsTranslated() {
    QFETCH(QString, code);
    const QString lupdate = QStringLiteral(ROSTERLY_LUPDATE);
    if (lupdate.isEmpty())
        QSKIP("lupdate runs on the build's host only");
    QTemporaryDir dir;
    const QString catalogue = dir.filePath(QStringLiteral("rosterly_%1.ts").arg(code));
    QVERIFY(QFile::copy(
        QStringLiteral(ROSTERLY_SOURCE_DIR "/translations/rosterly_%1.ts").arg(code), catalogue));
    QFile::setPermissions(catalogue, QFile::ReadOwner | QFile::WriteOwner);
    QStringList arguments{QStringLiteral("-silent"),           QStringLiteral("-I"),
                          QStringLiteral(ROSTERLY_SOURCE_DIR), QStringLiteral("-no-obsolete"),
                          QStringLiteral("-locations"),        QStringLiteral("none")};
    // The folders whose texts the build's catalogues hold, as the build lists them.
    for (const QString& folder : QStringLiteral(ROSTERLY_TRANSLATED_FOLDERS).split(u','))
        arguments << QStringLiteral(ROSTERLY_SOURCE_DIR "/") + folder;
    arguments << QStringLiteral("-ts") << catalogue;
    QProcess run;
    run.start(lupdate, arguments);
    QVERIFY(run.waitForFinished(120000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());

    int entries = 0;
    const QStringList problems = catalogueProblems(catalogue, &entries);
    QVERIFY2(entries > 300, qPrintable(QString::number(entries)));
    QVERIFY2(problems.isEmpty(),
             qPrintable(QStringLiteral("%1 of %2 entries:\n").arg(problems.size()).arg(entries) +
                        problems.mid(0, 40).join(u'\n')));
}

void TestTranslations::everyCaptionFits_data() {
    everyTextIsTranslated_data();
    QTest::newRow("en") << QString();
}

// Every window open at once, on the loaded sample, in the language.
void TestTranslations::everyCaptionFits() {
    QFETCH(QString, code);
    SampleGame game;
    QVERIFY2(game.isValid(), qPrintable(game.error()));
    const QString otherDb = game.path(QStringLiteral("other.bin"));
    QVERIFY(QFile::copy(game.database(), otherDb));
    game.platform.answers[QStringLiteral("Import from Another Database")] = otherDb;

    Form1 window(game.platform);
    QVERIFY(openAndLoad(window, game));
    window.showTeamEditor();
    window.showSquadEditor();
    window.showPlayerTable();
    window.findChild<QAction*>(QStringLiteral("mnuImportDatabase"))->trigger();
    QWidget* table = window.playerTable();
    QVERIFY(table);
    table->findChild<QAction*>(QStringLiteral("bulkEdit"))->trigger();

    QCOMPARE(Translations::install(*QCoreApplication::instance(), code), code);
    settle();
    QStringList cut;
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        ++windows;
        cut << cutCaptions(top);
    }
    QVERIFY2(windows >= 6, qPrintable(QString::number(windows)));
    // The Windows build's headless platform finds no fonts (Qt ships none, and it does not ask the
    // system's), so it measures every letter as a box: there the captions are measured by eye, in
    // the picture of the editor under wine, and here on Linux, where fontconfig's fonts are used.
#ifndef Q_OS_WIN
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
#endif

    // A window that heard of the change shows what a window made in the language shows.
    Form1 switched(game.platform);
    QCOMPARE(Translations::install(*QCoreApplication::instance(), QString()), QString());
    settle();
    const auto english = captions(&switched);
    Translations::install(*QCoreApplication::instance(), code);
    settle();
    Form1 made(game.platform);
    const auto switchedTexts = captions(&switched);
    QCOMPARE(switchedTexts, captions(&made));
    if (!code.isEmpty())
        QVERIFY(switchedTexts != english);
}

// The editor switched to German by its Language menu while it shows a player: the menus and
// captions change at once, and a refused value's message comes in German, naming its field.
void TestTranslations::aChosenLanguageReachesOpenWindows() {
    SampleGame game;
    QVERIFY2(game.isValid(), qPrintable(game.error()));
    Form1 window(game.platform);
    QVERIFY(openAndLoad(window, game));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(3);
    auto* speed = window.findChild<QLineEdit*>(QStringLiteral("topspeed"));
    auto* apply = window.findChild<QPushButton*>(QStringLiteral("Command4"));
    QVERIFY(speed && apply);
    speed->setText(QStringLiteral("150"));
    apply->click();
    QCOMPARE(game.platform.messages.size(), 1);
    const QString english = game.platform.messages.takeFirst().text;
    const QString applyEnglish = apply->text();

    auto* german = window.findChild<QAction*>(QStringLiteral("language_de"));
    QVERIFY(german);
    german->trigger();
    QCOMPARE(Translations::installed(*QCoreApplication::instance()), QStringLiteral("de"));
    QCOMPARE(EditorSettings().value(QStringLiteral("language")).toString(), QStringLiteral("de"));
    QVERIFY(german->isChecked());
    QVERIFY(apply->text() != applyEnglish);

    apply->click();
    QCOMPARE(game.platform.messages.size(), 1);
    const QString message = game.platform.messages.first().text;
    const QString field = QCoreApplication::translate("GameTerms", "Speed");
    QVERIFY(field != QStringLiteral("Speed"));
    QVERIFY2(message != english && message.contains(field), qPrintable(message));

    window.findChild<QAction*>(QStringLiteral("languageSystem"))->trigger();
    QCOMPARE(EditorSettings().value(QStringLiteral("language")).toString(), QString());
    QCOMPARE(apply->text(), applyEnglish); // the suite's system speaks English
}

// What scripts read stays English in every language; messages for people follow the language.
void TestTranslations::commandLineMessagesFollowTheSystem() {
    SampleGame game;
    QVERIFY2(game.isValid(), qPrintable(game.error()));
    const auto run = [&](const QString& language, const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(Translations::languageVariable), language);
        process.setProcessEnvironment(environment);
        process.start(builtProgram(QStringLiteral("rosterly-cli")), arguments);
        process.waitForFinished(60000);
        return QStringList{QString::number(process.exitCode()),
                           QString::fromUtf8(process.readAllStandardOutput()),
                           QString::fromUtf8(process.readAllStandardError())};
    };
    const QStringList players{QStringLiteral("players"), game.database(), game.teamFile(),
                              QStringLiteral("--where"), QStringLiteral("speed>=80 position=CF")};
    const QStringList check{QStringLiteral("check"), game.database(), game.teamFile()};
    const QStringList misspelt{QStringLiteral("players"), game.database(),
                               QStringLiteral("--where"), QStringLiteral("sped>80")};
    for (const QString& code : languageCodes()) {
        QCOMPARE(run(code, players), run(QStringLiteral("en"), players));
        QCOMPARE(run(code, check), run(QStringLiteral("en"), check));
        const QStringList english = run(QStringLiteral("en"), misspelt);
        const QStringList spoken = run(code, misspelt);
        QCOMPARE(spoken.at(0), QStringLiteral("2"));
        QVERIFY2(spoken.at(2) != english.at(2) && spoken.at(2).contains(QStringLiteral("sped")),
                 qPrintable(code + QStringLiteral(": ") + spoken.at(2)));
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
