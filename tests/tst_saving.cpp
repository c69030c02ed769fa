// Keeping what the window shows: the picture as PNG (pixel for pixel what
// the screen shows), SVG (vectors that look the same) and PDF; the results
// as CSV; the German file dialog; failures that lose nothing; and
// `zyklar bild` drawing the same picture with no display.

#include "formcontrols.h"
#include "app/application.h"
#include "app/form1.h"
#include "drawing/canvas.h"
#include "platform/filedialog.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Answers every file dialog with the given path and filter while alive, and
// records what each one asked.
class SaveAnswers
{
public:
    SaveAnswers(QString path, int filter = 0)
    {
        m_previous = platform::setSaveAnswerer([this, path, filter](const auto &question) {
            asked.append(question);
            return platform::SaveAnswer{path, filter};
        });
    }
    ~SaveAnswers() { platform::setSaveAnswerer(m_previous); }
    QList<platform::SaveQuestion> asked;

private:
    platform::SaveAnswerer m_previous;
};

QImage loaded(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

QImage screen(const Form1 &form)
{
    return ui::of(form).Picture1->image().convertToFormat(QImage::Format_RGB32);
}

// The share of 4 x 4 blocks whose average colours differ by more than a
// little: lines rasterised a pixel aside, or with softer edges, still match.
double differing(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 1;
    const QSize blocks = a.size() / 4;
    const QImage small = a.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage other = b.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int count = 0;
    for (int y = 0; y < blocks.height(); ++y)
        for (int x = 0; x < blocks.width(); ++x)
            count += !testsupport::colourNear(small.pixelColor(x, y), other.pixelColor(x, y), 24);
    return double(count) / (blocks.width() * blocks.height());
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool isRoot()
{
    return geteuid() == 0;
}

// A small tmpfs of our own, for a folder that is full or read-only even to
// root. Only root may mount it.
class ScratchFileSystem
{
public:
    explicit ScratchFileSystem(const QString &options)
    {
        if (isRoot() && !options.isEmpty())
            m_mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "zyklar-test",
                                                    m_dir.path()})
                    == 0;
    }
    ~ScratchFileSystem()
    {
        if (m_mounted)
            QProcess::execute("umount", {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    bool remountReadOnly()
    {
        return QProcess::execute("mount", {"-o", "remount,ro", m_dir.path()}) == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

using testsupport::Run;

Run zyklar(const QStringList &arguments)
{
    return testsupport::runWithoutDisplay(QStringLiteral(ZYKLAR_PROGRAM), arguments);
}

} // namespace

class TestSaving : public QObject
{
    Q_OBJECT
private slots:
    void pngAtOneTimesIsTheScreen_data();
    void pngAtOneTimesIsTheScreen();
    void pngScaleAndTypeFollowFilterAndName_data();
    void pngScaleAndTypeFollowFilterAndName();
    void svgIsVectorsThatLookTheSame();
    void pdfIsOnePage();
    void resultsAreTheCommandLinesCsv();
    void germanDialogProposesANameAndKeepsTheFolder();
    void failuresLoseNothing_data();
    void failuresLoseNothing();
    void repeatedAnalysesKeepThePictureSmall();
    void saveFolderIsRememberedAcrossRuns();
    void settingsThatCannotBeUsedDoNotMatter_data();
    void settingsThatCannotBeUsedDoNotMatter();
    void interruptedSavesLoseNothing_data();
    void interruptedSavesLoseNothing();
    void commandLinePictureIsTheWindows();
    void commandLineBadPictures_data();
    void commandLineBadPictures();

private:
    testsupport::ScreenSize m_screen{1024, 768};
    QTemporaryDir m_folder;
};

void TestSaving::pngAtOneTimesIsTheScreen_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("start-up star") << "start";
    QTest::newRow("spokes over the star") << "spokes";
    QTest::newRow("freehand points") << "freehand";
    QTest::newRow("single step stopped halfway") << "stopped";
    QTest::newRow("after Cls") << "cls";
}

void TestSaving::pngAtOneTimesIsTheScreen()
{
    QFETCH(QString, state);
    testsupport::MessageAnswers answers([](const platform::Message &message) {
        return message.text == u" 6. Schritt, weiter?" ? platform::Answer::No
                                                      : platform::Answer::Yes;
    });
    const auto form = startZyklar();
    if (state == u"spokes") {
        ui::of(*form).Option2->setChecked(true);
        ui::of(*form).Command2->click();
    } else if (state == u"freehand") {
        form->Picture1_MouseDown();
        for (double x = -1; x < 1; x += 0.05)
            form->Picture1_MouseMove(x, 0.3 * x);
        form->Picture1_MouseUp();
    } else if (state == u"stopped") {
        ui::of(*form).Check1->setChecked(true);
        ui::of(*form).txtN->setText(QStringLiteral("30"));
        ui::of(*form).Command2->click();
    } else if (state == u"cls") {
        ui::of(*form).Command1->click();
    }

    const QString path = m_folder.filePath(state + ".png");
    SaveAnswers save(path, 2); // "PNG-Bild, Bildschirmgröße"
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();
    QVERIFY(QFile::exists(path));
    QCOMPARE(loaded(path), screen(*form));
}

void TestSaving::pngScaleAndTypeFollowFilterAndName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("scale"); // 0: not a PNG
    QTest::newRow("4x by default") << "a.png" << 0 << "a.png" << 4;
    QTest::newRow("2x") << "b.png" << 1 << "b.png" << 2;
    QTest::newRow("the name's extension wins") << "c.PNG" << 3 << "c.PNG" << 4;
    QTest::newRow("SVG by name under a PNG filter") << "d.svg" << 0 << "d.svg" << 0;
}

void TestSaving::pngScaleAndTypeFollowFilterAndName()
{
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(int, scale);
    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    SaveAnswers save(m_folder.filePath(name), filter);
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();
    QVERIFY(answers.asked.isEmpty());
    QFile file(m_folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(8);
    if (scale == 0) {
        QVERIFY(head.startsWith("<?xml"));
        return;
    }
    QVERIFY(head.startsWith("\x89PNG"));
    QCOMPARE(QImage(file.fileName()).size(), ui::of(*form).Picture1->drawingArea().size() * scale);
}

void TestSaving::svgIsVectorsThatLookTheSame()
{
    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    const QString path = m_folder.filePath(QStringLiteral("stern.svg"));
    SaveAnswers save(path, 3);
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    QVERIFY(!svg.contains(QStringLiteral("<image")));
    QCOMPARE(svg.count(QStringLiteral("<text")), 3 * 21 - 1); // ring, steps, positions again
    QVERIFY(svg.count(QStringLiteral("<circle")) >= 2 * 21);
    QVERIFY(svg.count(QStringLiteral("<polyline")) + svg.count(QStringLiteral("<path")) >= 21);
    QVERIFY(svg.contains(QStringLiteral("<title>Zyklar: N = 21, k = 8</title>")));

    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    const QImage shown = screen(*form);
    QImage drawn(shown.size(), QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing, false); // as the screen draws
    renderer.render(&painter);
    painter.end();
    // Antialiased vectors against the screen's hard pixels: the same picture
    // differs in a few edge pixels, a different one in many.
    QImage blank(shown.size(), QImage::Format_RGB32);
    blank.fill(QColor(0, 0, 128));
    qInfo("SVG against the screen: %.4f; an empty picture: %.4f", differing(drawn, shown),
          differing(blank, shown));
    QVERIFY(differing(drawn, shown) < 0.25 * differing(blank, shown));
}

void TestSaving::pdfIsOnePage()
{
    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    const QString path = m_folder.filePath(QStringLiteral("druck.pdf"));
    SaveAnswers save(path, 4);
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
             1);
    QVERIFY(pdf.contains("/Title"));
}

void TestSaving::resultsAreTheCommandLinesCsv()
{
    testsupport::MessageAnswers answers([](const platform::Message &message) {
        return message.text == u" 2. Schritt, weiter?" ? platform::Answer::No
                                                      : platform::Answer::Yes;
    });
    Form1 form;
    QAction *save = form.findChild<QAction *>("cmdErgebnisseSpeichern");
    QVERIFY(!save->isEnabled()); // no analysis has completed yet
    form.Form_Load();
    QVERIFY(save->isEnabled());

    // A stopped single step completes nothing: 21, 8 is still the last.
    ui::of(form).Check1->setChecked(true);
    ui::of(form).txtN->setText(QStringLiteral("30"));
    ui::of(form).txtk->setText(QStringLiteral("7"));
    ui::of(form).Command2->click();

    const QString path = m_folder.filePath(QStringLiteral("ergebnisse.csv"));
    SaveAnswers answer(path);
    save->trigger();
    QCOMPARE(answer.asked.size(), 1);
    QCOMPARE(answer.asked.first().proposedName, QStringLiteral("zyklar-N21-k8.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));

    QProcess cli;
    cli.start(QStringLiteral(ZYKLAR_PROGRAM), {"analyse", "21", "8", "--format", "csv"});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(file.readAll(), cli.readAllStandardOutput());
}

void TestSaving::germanDialogProposesANameAndKeepsTheFolder()
{
    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    // The real dialog: German captions and the proposed name; typing a name
    // into another folder saves there.
    QTemporaryDir elsewhere;
    QString title, proposed, accept, folderAtSecondOpen;
    QTimer::singleShot(50, form.get(), [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        proposed = dialog->findChild<QLineEdit *>("fileNameEdit")->text();
        accept = dialog->labelText(QFileDialog::Accept);
        auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
        name->setText(elsewhere.filePath("kreis.svg"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();
    QCOMPARE(title, QStringLiteral("Bild speichern"));
    QCOMPARE(proposed, QStringLiteral("zyklar-N21-k8.png"));
    QCOMPARE(accept, QStringLiteral("Speichern"));
    QVERIFY(QFile::exists(elsewhere.filePath("kreis.svg")));

    // The next dialog opens where the last file went.
    QTimer::singleShot(50, form.get(), [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            folderAtSecondOpen = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    form->findChild<QAction *>("cmdErgebnisseSpeichern")->trigger();
    QCOMPARE(folderAtSecondOpen, QDir(elsewhere.path()).absolutePath());
    QVERIFY(answers.asked.isEmpty()); // cancelling is not a failure
}

void TestSaving::failuresLoseNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("name");
    QTest::newRow("missing folder") << "missing" << "bild.png";
    QTest::newRow("a directory's name") << "directory" << "bild.png";
    QTest::newRow("read-only folder") << "read-only" << "bild.png";
    QTest::newRow("over an existing file, read-only") << "read-only, existing" << "alt.png";
    QTest::newRow("over an existing file, disk full") << "full, existing" << "alt.png";
    QTest::newRow("unknown picture type") << "plain" << "bild.jpg";
}

void TestSaving::failuresLoseNothing()
{
    QFETCH(QString, where);
    QFETCH(QString, name);
    QTemporaryDir plain;
    const bool ownFileSystem = where.startsWith(u"full") || where.startsWith(u"read-only");
    ScratchFileSystem scratch(!ownFileSystem ? QString()
                                      : where.startsWith(u"full") ? QStringLiteral("size=64k")
                                                                  : QStringLiteral("size=1m"));
    QString folder = plain.path();
    QTemporaryDir chmodded;
    const QByteArray old = "the old picture";

    if (where == u"missing") {
        folder = plain.filePath(QStringLiteral("gibt/es/nicht"));
    } else if (where == u"directory") {
        QVERIFY(QDir(folder).mkdir(name));
    } else if (where.startsWith(u"read-only") || where.startsWith(u"full")) {
        if (isRoot() && !scratch.mounted())
            QSKIP("root, but no tmpfs could be mounted for a read-only or full folder");
        if (where.startsWith(u"full") && !scratch.mounted())
            QSKIP("a full disk needs a tmpfs of its own, which only root may mount");
        folder = scratch.mounted() ? scratch.path() : chmodded.path();
        if (where.endsWith(u"existing")) {
            QFile file(folder + '/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        if (where.startsWith(u"read-only")) {
            if (scratch.mounted())
                QVERIFY(scratch.remountReadOnly());
            else
                QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
    }
    const QStringList before = entries(folder);
    const QString path = folder + '/' + name;

    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    SaveAnswers save(path, 0);
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();

    QCOMPARE(answers.asked.size(), 1);
    const QString message = answers.asked.first().text;
    QVERIFY2(message.contains(QDir::toNativeSeparators(path))
                     && message.contains(QStringLiteral("wurde nicht gespeichert")),
             qPrintable(message));
    QCOMPARE(answers.asked.first().title, QString()); // the program's title
    QCOMPARE(entries(folder), before);                 // no temporary file left
    if (where.endsWith(u"existing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }
    QFile::setPermissions(chmodded.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // And the program goes on working: the next save succeeds.
    SaveAnswers again(plain.filePath(QStringLiteral("danach.svg")));
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();
    QVERIFY(QFile::exists(plain.filePath(QStringLiteral("danach.svg"))));
    QCOMPARE(answers.asked.size(), 1);
}

void TestSaving::repeatedAnalysesKeepThePictureSmall()
{
    // The picture keeps each distinct primitive once: analysing the same
    // pair again and again leaves the record, and the saved vectors, as
    // after the first analysis; alternating two multipliers keeps it within
    // the two pictures; and a PNG is still pixel for pixel the screen.
    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    drawing::Canvas &canvas = ui::of(*form).Picture1->canvas();
    const auto analyse = [&](int n, int k) {
        ui::of(*form).txtN->setText(QString::number(n));
        ui::of(*form).txtk->setText(QString::number(k));
        ui::of(*form).Command2->click();
    };
    const auto svgBytes = [&](const QString &name) {
        SaveAnswers save(m_folder.filePath(name), 3);
        form->findChild<QAction *>("cmdBildSpeichern")->trigger();
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    analyse(200, 77);
    const size_t once = canvas.recorded();
    const QByteArray first = svgBytes(QStringLiteral("einmal.svg"));
    for (int i = 0; i < 300; ++i)
        analyse(200, 77);
    QCOMPARE(canvas.recorded(), once);
    QCOMPARE(svgBytes(QStringLiteral("oft.svg")), first);

    ui::of(*form).Command1->click(); // an empty picture
    analyse(200, 113);
    const size_t other = canvas.recorded();
    for (int i = 0; i < 100; ++i)
        analyse(200, i % 2 ? 77 : 113);
    QVERIFY(canvas.recorded() <= once + other);
    const QString path = m_folder.filePath(QStringLiteral("abwechselnd.png"));
    SaveAnswers save(path, 2);
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();
    QCOMPARE(loaded(path), screen(*form));
}

void TestSaving::saveFolderIsRememberedAcrossRuns()
{
    QTemporaryDir settings, pictures;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    testsupport::MessageAnswers answers;
    {
        const auto form = startZyklar();
        SaveAnswers save(pictures.filePath(QStringLiteral("erstes.png")));
        form->findChild<QAction *>("cmdBildSpeichern")->trigger();
        QCOMPARE(save.asked.first().folder, QDir::homePath());
    }
    // The next run's dialog opens where the last file went.
    const auto form = startZyklar();
    SaveAnswers save(pictures.filePath(QStringLiteral("zweites.csv")));
    form->findChild<QAction *>("cmdErgebnisseSpeichern")->trigger();
    QCOMPARE(save.asked.first().folder, pictures.path());
    QVERIFY(QFile::exists(pictures.filePath(QStringLiteral("zweites.csv"))));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
}

void TestSaving::settingsThatCannotBeUsedDoNotMatter_data()
{
    QTest::addColumn<QString>("settings");
    QTest::newRow("damaged file") << "damaged";
    QTest::newRow("a folder that is gone") << "gone";
    QTest::newRow("configuration folder cannot be made") << "unwritable";
}

void TestSaving::settingsThatCannotBeUsedDoNotMatter()
{
    // The program starts, saves and says nothing; a damaged settings file
    // stays as it was, byte for byte.
    QFETCH(QString, settings);
    QTemporaryDir config, pictures;
    QString root = config.path();
    const QString file = config.filePath(QStringLiteral("zyklar/zyklar.ini"));
    QDir(config.path()).mkpath(QStringLiteral("zyklar"));
    QByteArray content;
    if (settings == u"damaged") {
        content = QByteArray("[speichern]\nordner=") + QFile::encodeName(pictures.path())
                + QByteArray("\n\0\xff\xfe[[[\x01", 8);
    } else if (settings == u"gone") {
        content = "[speichern]\nordner=/gibt/es/nicht\n";
    } else {
        root = config.filePath(QStringLiteral("eine-datei/darunter")); // a file on the way
        QFile blocker(config.filePath(QStringLiteral("eine-datei")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    if (!content.isEmpty()) {
        QFile ini(file);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(content);
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root);

    testsupport::MessageAnswers answers;
    const auto form = startZyklar();
    SaveAnswers save(pictures.filePath(QStringLiteral("bild.png")));
    form->findChild<QAction *>("cmdBildSpeichern")->trigger();
    QVERIFY(QFile::exists(pictures.filePath(QStringLiteral("bild.png"))));
    QVERIFY(answers.asked.isEmpty());
    if (settings == u"gone")
        QCOMPARE(save.asked.first().folder, QDir::homePath());
    if (!content.isEmpty() && settings == u"damaged") {
        QFile ini(file);
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), content);
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
}

void TestSaving::interruptedSavesLoseNothing_data()
{
    QTest::addColumn<QString>("saver");
    QTest::newRow("zyklar bild 1000") << "bild";
    QTest::newRow("the window's Bild speichern") << "window";
}

void TestSaving::interruptedSavesLoseNothing()
{
    // A save killed with SIGKILL at moments spread over its work leaves the
    // old file whole or the new one complete, and nothing beside it.
    QFETCH(QString, saver);
    QTemporaryDir settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    const QByteArray old = "<svg>das alte Bild</svg>\n";
    const auto start = [&](QProcess &process, const QString &path) {
        process.setProcessEnvironment(environment);
        if (saver == u"bild") {
            process.start(QStringLiteral(ZYKLAR_PROGRAM),
                          {"bild", "1000", "389", "--ausgabe", path});
            return process.waitForStarted();
        }
        process.start(QStringLiteral(ZYKLAR_SAVING_LOOP), {path});
        return process.waitForReadyRead(30000); // "saving": the window is up
    };

    // How long one whole picture takes, written completely over an old one.
    // Watched in the folder: no file there is ever written to, so whatever
    // moment a kill comes, no half-written file can be left with a name.
    QElapsedTimer clock;
    QTemporaryDir whole;
    {
        QFile file(whole.filePath(QStringLiteral("bild.svg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    const int watcher = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watcher >= 0);
    inotify_add_watch(watcher, QFile::encodeName(whole.path()).constData(), IN_MODIFY);
    QProcess first;
    QVERIFY(start(first, whole.filePath(QStringLiteral("bild.svg"))));
    clock.start();
    if (saver == u"bild") {
        QVERIFY(first.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(whole.filePath(QStringLiteral("bild.svg"))), 30000);
        first.kill();
        first.waitForFinished();
    }
    const qint64 span = std::max<qint64>(clock.elapsed(), 20);
    // The kernel names a file without a name "#inode" in its events.
    alignas(inotify_event) char events[1 << 16];
    QStringList writtenUnderAName;
    for (ssize_t size; (size = read(watcher, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < size;) {
            const auto *event = reinterpret_cast<const inotify_event *>(events + at);
            const QString name = QString::fromLocal8Bit(event->len ? event->name : "");
            if (!name.startsWith(u'#'))
                writtenUnderAName << name;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    close(watcher);
    QCOMPARE(writtenUnderAName, QStringList());
    QVERIFY(QSvgRenderer(whole.filePath(QStringLiteral("bild.svg"))).isValid());

    // The loop of the window saves one picture after another, each written
    // in a small part of its time: more moments, spread over several saves.
    const int moments = saver == u"bild" ? 12 : 40;
    for (int moment = 0; moment < moments; ++moment) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bild.svg"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        QProcess process;
        QVERIFY(start(process, path));
        const qint64 delay = saver == u"bild" ? span * moment / 10 : span * (moment % 10) / 3 + moment;
        QThread::msleep(unsigned(delay));
        ::kill(pid_t(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished());
        QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("bild.svg")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content == old || (content.endsWith("</svg>\n") && QSvgRenderer(content).isValid()),
                 qPrintable(QStringLiteral("killed after %1 ms").arg(delay)));
    }
}

void TestSaving::commandLinePictureIsTheWindows()
{
    testsupport::MessageAnswers answers;
    const auto form = startZyklar(); // a 1024 x 768 screen, star mode
    const QString png = m_folder.filePath(QStringLiteral("cli.png"));
    Run run = zyklar({"bild", "21", "8", "--ausgabe", png, "--skala", "1"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(loaded(png), screen(*form));

    // Spokes, as the window draws them.
    ui::of(*form).Picture1->cls();
    ui::of(*form).Option2->setChecked(true);
    ui::of(*form).Command2->click();
    run = zyklar({"bild", "21", "29", "--speichen", "--ausgabe", png, "--skala", "1"});
    QCOMPARE(run.status, 0);
    QCOMPARE(loaded(png), screen(*form));

    // Four times the size by default; vectors and a page by the name.
    QCOMPARE(zyklar({"bild", "21", "8", "--ausgabe", png}).status, 0);
    QCOMPARE(QImage(png).size(), ui::of(*form).Picture1->drawingArea().size() * 4);
    const QString svg = m_folder.filePath(QStringLiteral("cli.svg"));
    QCOMPARE(zyklar({"bild", "13", "5", "--ausgabe", svg}).status, 0);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("<text"));
    const QString pdf = m_folder.filePath(QStringLiteral("cli.pdf"));
    QCOMPARE(zyklar({"bild", "13", "5", "--ausgabe", pdf}).status, 0);
    QVERIFY(QFile(pdf).size() > 1000);
}

void TestSaving::commandLineBadPictures_data()
{
    // A usage error exits 2; a picture that was understood but cannot be
    // written exits 1. Neither leaves a file.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("mentions");
    const QString png = m_folder.filePath(QStringLiteral("nie.png"));
    QTest::newRow("no --ausgabe") << QStringList{"bild", "21", "8"} << 2 << "--ausgabe";
    QTest::newRow("unknown type") << QStringList{"bild", "21", "8", "--ausgabe", "x.jpg"} << 2 << ".svg";
    QTest::newRow("scale 3") << QStringList{"bild", "21", "8", "--ausgabe", png, "--skala", "3"}
                             << 2 << "1, 2 oder 4";
    QTest::newRow("scale for SVG") << QStringList{"bild", "21", "8", "--ausgabe", "x.svg", "--skala", "2"}
                                   << 2 << "PNG";
    QTest::newRow("N too large") << QStringList{"bild", "1001", "8", "--ausgabe", png} << 2 << "1000";
    QTest::newRow("missing folder")
            << QStringList{"bild", "21", "8", "--ausgabe", "/gibt/es/nicht/x.png"} << 1 << "Ordner";
    QTest::newRow("a directory") << QStringList{"bild", "21", "8", "--ausgabe", QDir::tempPath()}
                                 << 2 << "Bilder schreibt";
    QTest::newRow("spokes elsewhere") << QStringList{"summe", "21", "8", "--speichen"} << 2
                                      << "gilt nicht für summe";
}

void TestSaving::commandLineBadPictures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, mentions);
    const Run run = zyklar(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.err.count(u'\n'), 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("zyklar: ")) && run.err.contains(mentions),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("nie.png"))));
}

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
