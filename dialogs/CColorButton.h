// CColorButton: an owner-drawn button that shows a colour on a raised or pressed face.
#pragma once

#include "framework/CButton.h"

class CColorButton : public CButton {
public:
    // Draws the face (bitmap 249 while pressed, else 250), the focus rectangle and the colour.
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    COLORREF m_color = 0;
};
