#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace zentrel::timetable {

// The confirmation strip under the grid: "Ali želite shraniti opravljene spremembe?" with the
// buttons confirm, cancel and new exchange, each with its key.
class UrUrnikOpozorilo : public QFrame {
    Q_OBJECT
public:
    explicit UrUrnikOpozorilo(QWidget *parent = nullptr);

    int ButtonKeyCodePotrdi() const { return m_potrdiKey; }
    int ButtonKeyCodePreklici() const { return m_prekliciKey; }
    int ButtonKeyCodeNovaMenjava() const { return m_novaKey; }
    void SetButtonKeyCodes(int potrdi, int preklici, int novaMenjava);
    // Whether the question follows an exchange (the new-exchange button is offered then).
    bool IzMenjave() const { return m_izMenjave; }
    void SetIzMenjave(bool on);

    // Presses the button of a key while the strip is shown; true when a button took it.
    bool ObdelajTipko(int kljuc);
    QPushButton *Potrdi() const { return m_potrdi; }
    QPushButton *Preklici() const { return m_preklici; }
    QPushButton *NovaMenjava() const { return m_nova; }

signals:
    void Potrjeno();
    void Preklicano();
    void NovaMenjavaIzbrana();

private:
    void napisi();

    QLabel *m_vprasanje;
    QPushButton *m_potrdi;
    QPushButton *m_preklici;
    QPushButton *m_nova;
    int m_potrdiKey;
    int m_prekliciKey;
    int m_novaKey;
    bool m_izMenjave = true;
};

} // namespace zentrel::timetable
