#pragma once

#include "design/design.h"
#include "setup/setupfile.h"

#include <QList>
#include <QString>
#include <QStringList>

class Catalogue;
class SystemContainerWidget;

// Writes the design held by the editors: the main container, then the given
// expansion box containers in that order. False when nothing could be
// written; an existing file is then left as it was, and `error` says why.
bool writeSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                    const QList<SystemContainerWidget *> &expansionBoxContainers,
                    QString *error = nullptr);

// Reads and checks a whole setup file before touching anything; then applies
// it to the main container and creates one container per expansion box in
// `newContainers` (parented like the main container; the caller shows them).
// On failure nothing changes and `newContainers` stays empty. `adjusted`, when
// given, receives one line per value the design read holds differently from
// the file (see DesignFile::read).
// `read`, when given, receives the design read (normalised).
bool readSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                   QList<SystemContainerWidget *> &newContainers, const Catalogue *catalogue,
                   QStringList *adjusted = nullptr, Design *read = nullptr);
// Puts a design on the main container and new box containers, in the
// design's box order.
void applyDesign(const Design &design, SystemContainerWidget *mainContainer,
                 QList<SystemContainerWidget *> &newContainers, const Catalogue *catalogue);

// The active loops of a container, as its loop editors hold them.
QVector<LoopConfig> loopConfigs(const SystemContainerWidget *container);

// The design held by the editors, as a setup file would hold it.
SetupFile::SetupData collectSetupData(const SystemContainerWidget *mainContainer,
                                      const QList<SystemContainerWidget *> &expansionBoxContainers);

// Brings one container to checked values, rewriting only what differs from
// what its editors hold: the panel when its values differ, then each loop
// whose values or devices differ. Used to step through a design's history
// without rebuilding the parts an edit did not touch.
void updateContainerSetup(SystemContainerWidget *container, const PanelConfig &panel,
                          const QVector<LoopConfig> &loops);
