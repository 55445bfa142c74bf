#pragma once

class QLabel;

// Gives a result label at least the width of a full figure ("00.0000000 A")
// in its styled font, and never less than `minimumWidth`, so that a narrow
// window never cuts a result short.
void fitFigureWidth(QLabel *label, int minimumWidth);
