#pragma once
// A position list over a store of its own, as the window's list shows the
// session's store.
#include "app/Positionsliste.h"
#include "sitzung/Positionsspeicher.h"

struct Speicherhalter {
    sitzung::Positionsspeicher speicher;
};

class EigeneListe : private Speicherhalter, public app::Positionsliste {
  public:
    explicit EigeneListe(QWidget* parent) : app::Positionsliste(speicher, parent) {}
    void anhaengen(const key::Positionstabelle& tabelle) {
        angehaengt(speicher.anhaengen(tabelle));
    }
};
