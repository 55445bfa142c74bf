#pragma once

#include "design/designdocument.h"
#include "setup/designlock.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>

class LoopWidget;
class SystemContainerWidget;
class QWidget;

// The design in the window as a document: its file, its undo history, and
// its recovery copy. The panel and loop editors send their edits to it as
// typed edits of the document. Of the others it learns from their signals and
// from the user's input in the window, and compares the design with the
// last state it recorded once the event that changed it is over; so any
// edit is noticed, however the editors signal it, and many signals of one
// edit make one step.
class DesignSession : public QObject
{
    Q_OBJECT
public:
    using Snapshot = std::function<Design()>;
    using Show = std::function<void(const Design &)>;

    // window: whose input counts as editing; snapshot: what the editors hold
    // (the document adds the data they do not show); show: puts a design on
    // screen.
    DesignSession(QWidget *window, Snapshot snapshot, Show show, const Catalogue *catalogue,
                  const QString &recoveryFolder);
    ~DesignSession() override;

    // Follows the editors of a container (its panel and loops).
    void watch(SystemContainerWidget *container);

    // A fresh history from the design on screen, held in `fileName` (empty:
    // untitled). Leaves no recovery copy behind.
    void start(const QString &fileName);
    // The same, with the data of the design read that the editors do not hold.
    void start(const QString &fileName, const Design &read);
    // The design on screen is now held in `fileName`.
    void markSaved(const QString &fileName);
    // The design on screen came back from a recovery copy of `fileName`'s
    // design: nothing holds it yet.
    void markRestored(const QString &fileName, const Design &read);
    // The design on screen was rebuilt as it was (a new language): it takes
    // the place of the current state without a step of its own.
    void refresh();
    // The design on screen differs from what its file holds.
    void markUnsaved();
    // Off while the window has no design (no valid data).
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    QString fileName() const { return m_document->fileName(); }
    bool isModified() const;
    bool canUndo() const;
    bool canRedo() const;
    const DesignHistory &history() const { return m_document->history(); }
    DesignDocument *document() const { return m_document; }

    // Records an edit that is still waiting for its event to end.
    void flush();

    // Before opening `fileName`: when another running copy of the program
    // has it open, says so and asks; false when the user lets it be.
    bool confirmOpen(const QString &fileName);
    enum class DiskAnswer { Overwrite, SaveAs, Cancel };
    // Before writing the design's own file: when someone else changed it
    // since it was opened or last saved here, asks what to do.
    DiskAnswer confirmOverwrite(const QString &fileName);
    const DesignLock &designLock() const { return m_designLock; }

    RecoveryFile &recovery() { return m_document->recovery(); }
    // How often a design with unsaved changes is copied.
    int recoveryInterval() const { return m_recoveryTimer.interval(); }
    // Copies the design now if it has unsaved changes (and removes the copy
    // when it has none).
    void writeRecovery();
    // The window closed as asked: no copy is needed any more.
    void finish();

public slots:
    void undo();
    void redo();
    void scheduleCheck();

signals:
    // File, modified state or the possible undo/redo changed.
    void stateChanged();
    // An edit was recorded (not an undo or redo).
    void edited(const Design &before, const Design &after);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Records what the editors hold, less what `leaveOut` takes back out.
    void check(const std::function<void(Design &)> &leaveOut = {});
    void show();
    // Every editor whose system the document holds as shown draws the
    // document's evaluation.
    void drawFromDocument();
    // What the editors hold with the document's data they do not show.
    Design onScreen() const;
    void watchLoops(SystemContainerWidget *container);
    // A panel editor's configuration as a typed edit of its system; what the
    // evaluation says of that system then, or none when not recorded here.
    const SystemEvaluation *recordPanel(SystemContainerWidget *container, const PanelConfig &config);
    // A loop editor's configuration as a typed edit of its loop; the loop as
    // the design then holds it, or none when not recorded here.
    const LoopConfig *recordLoop(SystemContainerWidget *container, LoopWidget *loop, const LoopConfig &config);
    // What the document's evaluation says of a panel editor's panel, while
    // the document holds what its figures are made from (`input`); else none.
    const PanelEvaluation *panelEvaluation(SystemContainerWidget *container, const PanelInput &input) const;
    // What the document's evaluation says of a loop editor's loop, while the
    // document holds the loop as the editor does; else none.
    const LoopEvaluation *loopEvaluation(SystemContainerWidget *container, const LoopWidget &loop) const;
    // Loops of a container (by index) as one typed edit; false when they are
    // not all in the design.
    bool recordLoops(SystemContainerWidget *container, const QMap<int, LoopConfig> &loops);
    // A box page the main panel added (`added`) or removed by `name`, as the
    // typed `edit` of the document (true when it recorded a step).
    void recordBox(const QString &name, bool added, const std::function<bool()> &edit);
    // The design is now held in `fileName`: marks it open here and remembers
    // what the file holds.
    void holdFile(const QString &fileName);

    QWidget *m_window;
    Snapshot m_snapshot;
    Show m_show;
    DesignDocument *m_document;
    DesignLock m_designLock;
    QByteArray m_diskState; // the file's fingerprint when last read or written here
    bool m_enabled = false;
    bool m_showing = false;
    QTimer m_checkTimer;
    QTimer m_settleTimer;
    QTimer m_recoveryTimer;
    // The containers whose panels send their edits here.
    QVector<QPointer<SystemContainerWidget>> m_watched;
    // The spin box or slider the user works on: its steps merge into one.
    QPointer<QWidget> m_inputSource;
    bool m_closeAfterCheck = false;
};
