#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Catalogue;
class SystemContainerWidget;

// Writes the design held by the editors: the main container, then the given
// expansion box containers in that order. False when nothing could be
// written; an existing file is then left as it was.
bool writeSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                    const QList<SystemContainerWidget *> &expansionBoxContainers);

// Reads and checks a whole setup file before touching anything; then applies
// it to the main container and creates one container per expansion box in
// `newContainers` (parented like the main container; the caller shows them).
// On failure nothing changes and `newContainers` stays empty. `adjusted`, when
// given, receives one line per value the editors show differently from the
// file (see SetupFile::adjustedValues).
bool readSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                   QList<SystemContainerWidget *> &newContainers, const Catalogue *catalogue,
                   QStringList *adjusted = nullptr);
