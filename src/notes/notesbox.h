// txtNotes: the editable text box that holds the study notes.
#pragma once

#include "controls/textbox.h"

class NotesBox final : public TextBox {
    Q_OBJECT
public:
    explicit NotesBox(QWidget* parent = nullptr);
};
