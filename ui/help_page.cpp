#include "ui/help_page.h"

#include <QCoreApplication>

#include "session/overlays.h"
#include "session/units.h"
#include "ui/language.h"
#include "ui/unit_text.h"

namespace {

QString KeysTable(const std::vector<HelpKey>& keys)
{
    QString rows;
    for (const HelpKey& key : keys)
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key.keys.toHtmlEscaped(), key.what);
    return QStringLiteral("<table cellspacing=\"6\">%1</table>").arg(rows);
}

QString Units()
{
    return QCoreApplication::translate(
               "HelpPage",
               "<p><b>Units.</b> Lengths are in world units, <b>%1</b>: a particle's radius is 1 %1, drawn 4 "
               "pixels per %1. Time is in time units, <b>%2</b>: one step is 0.2 %2, and the timer ticks 20 "
               "steps a second at speed 1. Mass, <b>%3</b>, is the density (%4) times the discs' area: a "
               "particle weighs π %3 at density 1. Force is in %5: a push adds its drag in pixels, y up, as that "
               "many units of force. Hence velocity in %6, momentum in %7, angular momentum in %8, torque in %9, "
               "energy in %10 and moments of inertia in %11; angles in degrees. The inspector, the plots and the "
               "overlays all use these.</p>")
        .arg(UnitText(unit::kLength), UnitText(unit::kTime), UnitText(unit::kMass), UnitText(unit::kDensity),
             UnitText(unit::kForce), UnitText(unit::kVelocity), UnitText(unit::kMomentum),
             UnitText(unit::kAngularMomentum), UnitText(unit::kTorque))
        .arg(UnitText(unit::kEnergy), UnitText(unit::kInertia));
}

QString Physics()
{
    return QCoreApplication::translate(
        "HelpPage",
        "<p><b>A bounce.</b> The walls test only the centre of mass: while it lies outside the drawing area, at "
        "every step, the linear momentum and the force both turn round. So half the body is drawn past the edge "
        "before it comes back, and the torque and the angular momentum are kept: the body spins on as it "
        "turns.</p>"
        "<p><b>Why the energy grows under a push.</b> A push never stops acting: its force is added to the body "
        "for good. A bounce reverses the force together with the momentum, so the force still points the way "
        "the body moves and keeps doing work on it: the kinetic energy passes a bounce smoothly and goes on "
        "growing, and the torque keeps spinning the body faster. The step never normalises the orientation, so "
        "its length grows too, faster the faster the body turns; a step that would carry it beyond the range of "
        "numbers is not taken, and the run halts with a note saying why.</p>"
        "<p><b>Coasting</b> (Simulation ▸ Coast) sets the force and the torque to zero: the body then flies "
        "free, and its kinetic energy, linear and rotational, stays as it is, bounces included. Compare the "
        "plots before and after.</p>");
}

QString OverlayLegend()
{
    QString rows;
    for (const OverlayEntry& entry : kOverlayTable) {
        const QString swatch = QStringLiteral("#%1%2%3")
                                   .arg(entry.color & 0xFF, 2, 16, QLatin1Char('0'))
                                   .arg((entry.color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                                   .arg((entry.color >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
        QString what = Translated("Overlay", entry.legend).toHtmlEscaped();
        for (double number : entry.legendNumbers)
            if (what.contains(QLatin1Char('%'))) what = what.arg(LocalNumber(number, 'g', 6));
        rows += QStringLiteral("<tr><td><b><font color=\"%1\">&#9632;</font> %2</b></td><td>%3</td></tr>")
                    .arg(swatch, Translated("Overlay", entry.title).remove(QLatin1Char('&')), what);
    }
    return QCoreApplication::translate("HelpPage", "<p><b>Overlays</b> (View menu), drawn over the picture:</p>") +
           QStringLiteral("<table cellspacing=\"6\">%1</table>").arg(rows);
}

}  // namespace

QString HelpPage(const std::vector<HelpKey>& keys) { return KeysTable(keys) + Units() + Physics() + OverlayLegend(); }
