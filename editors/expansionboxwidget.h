#pragma once

#include "editors/panelwidget.h"

// The panel editor of one expansion box: a panel of its own (model record,
// batteries, cards, external power, loops, figures and faults) without the
// panel outputs and without expansion boxes of its own. Its model is fixed.
class ExpansionBoxWidget : public PanelWidget
{
    Q_OBJECT
public:
    // modelName is the box's model (its base name, not its display name).
    ExpansionBoxWidget(const Catalogue *catalogue, const QString &modelName, QWidget *parent = nullptr);

    bool isExpansionBox() const override;

protected:
    void retranslate() override;

private:
    // The form's panel captions, in a box's words.
    void setBoxTexts();
};
