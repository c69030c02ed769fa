#pragma once

#include "form/controls.h"
#include "form/positioncircle.h"

#include "language/language.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

namespace drawing {
struct Drawing;
}
class RankingWindow;
class ThreeGapsWindow;
namespace form {
class AnalyseCommand;
}

// The language of the windows chosen in the menu and kept in the settings;
// none where the windows follow the locale.
std::optional<language::Language> storedLanguage();

// Zyklar's one window. It owns every control (each carries its name as its
// object name, by which tests find it), the menu, the window-level variables and the wiring from
// events to handlers. The handlers themselves live with the subsystem they
// belong to; what stays here is start-up, layout and the housekeeping
// commands.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    // Creates the window with every control and menu item at its design
    // properties. Form_Load has not run yet.
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    void Form_Load();
    void ApplyLayout();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Picture1_MouseDown();
    void Picture1_MouseMove(double x, double y);
    void Picture1_MouseUp();
    void cmdEnde_Click();
    void cmdBildschirm_Click();
    void cmdgroesser_Click(); // caption "kleiner"
    void cmdkleiner_Click();  // caption "größer"
    void cmdclear_Click();
    void cmdCopy_Click();
    void cmdRangliste_Click();
    void cmdDreiAbstaende_Click();
    void cmdBildSpeichern_Click();
    void cmdErgebnisseSpeichern_Click();
    // "Sprache / Language": German, English, or the locale's, from the next
    // start on.
    void chooseLanguage(std::optional<language::Language> chosen);

    // Window-level variables.
    double zoomFactor = 1.0;
    int mouseDown = 0;

    // N, k and the angle step the window shows.
    const form::Selection &selection() const { return m_selection; }
    // The ranking window, once "Rangliste…" has opened it.
    RankingWindow *rankingWindow() const { return m_ranking; }
    // The window "Drei Abstände", once its menu entry has opened it.
    ThreeGapsWindow *threeGapsWindow() const { return m_gaps; }
    form::AnalyseCommand &analysis() const { return *m_analysis; }

protected:
    // The tab column comes round: Tab from its last stop reaches the first,
    // Shift+Tab from the first the last.
    bool focusNextPrevChild(bool next) override;

private:
    void createMenu();
    void createLanguageMenu(QMenu &extras);
    void connectEvents();
    void analyseMultiplier(int n, int k);
    void analysisDone(bool completed, bool chosen);
    void showBeside(QWidget &window);

    form::Selection m_selection;
    std::unique_ptr<form::PositionCircle> m_circle;
    std::unique_ptr<form::AnalyseCommand> m_analysis;
    RankingWindow *m_ranking = nullptr;
    ThreeGapsWindow *m_gaps = nullptr;
    form::Controls ui{};

    // Saving: the last completed analysis, and the folder the file dialog
    // opens in, remembered in the settings from one run to the next.
    QString proposedName(const QString &suffix) const;
    // `animation`, where there is one, writes a GIF of every step and
    // returns the reason of a failure.
    using Animation = std::function<QString(const QString &path)>;
    void savePicture(const drawing::Drawing &drawing, const QString &proposedName,
                     const QString &title, const Animation &animation = {});
    void readSettings();
    void rememberSaveFolder(const QString &file);
    // The text scale of "Drei Abstände", from one run to the next.
    double storedTextScale() const;
    void rememberTextScale(double scale);
    void reportSaveFailure(const QString &path, const QString &reason);
    int m_completedN = 0;
    int m_completedK = 0;
    int m_analysedN = 0; // the last analysis, completed or not
    int m_analysedK = 0;
    QAction *m_saveResults = nullptr; // enabled once an analysis has completed
    QString m_saveFolder;
    bool m_settingsWritable = false;
};
