<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Application</name>
    <message>
        <source>Out of memory: the last action was not completed.</source>
        <translation>Kein Speicher mehr frei: Die letzte Aktion wurde nicht ausgeführt.</translation>
    </message>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Starrkörperdynamik</translation>
    </message>
</context>
<context>
    <name>AreaDescription</name>
    <message>
        <source>drawing area</source>
        <translation>Zeichenfläche</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>the data file &apos;%1&apos; stopped at step %2: %3; it holds every row up to there</source>
        <translation>Die Datendatei „%1“ endet bei Schritt %2: %3; sie enthält jede Zeile bis dahin</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>Running, time %1.</source>
        <translation>Läuft, Zeit %1.</translation>
    </message>
    <message>
        <source>Paused at time %1, back in the kept run.</source>
        <translation>Angehalten bei Zeit %1, zurück im aufbewahrten Lauf.</translation>
    </message>
    <message>
        <source>Paused at time %1.</source>
        <translation>Angehalten bei Zeit %1.</translation>
    </message>
    <message>
        <source>At rest.</source>
        <translation>In Ruhe.</translation>
    </message>
    <message>
        <source>The body is at (%1, %2), not moving.</source>
        <translation>Der Körper ist bei (%1; %2) und bewegt sich nicht.</translation>
    </message>
    <message>
        <source>The body is at (%1, %2), moving %3 at %4 units per time unit.</source>
        <translation>Der Körper ist bei (%1; %2) und bewegt sich %3 mit %4 Längeneinheiten pro Zeiteinheit.</translation>
    </message>
    <message>
        <source>counter-clockwise</source>
        <translation>gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>It does not turn.</source>
        <translation>Er dreht sich nicht.</translation>
    </message>
    <message>
        <source>It turns %1, once every %2 time units.</source>
        <translation>Er dreht sich %1, einmal alle %2 Zeiteinheiten.</translation>
    </message>
    <message>
        <source>It is outside the drawing area, %1 units beyond the %2 wall.</source>
        <translation>Er ist außerhalb der Zeichenfläche, %1 Längeneinheiten hinter der Wand %2.</translation>
    </message>
    <message>
        <source>The nearest wall is the %1 one, %2 units away.</source>
        <translation>Die nächste Wand ist die Wand %1, %2 Längeneinheiten entfernt.</translation>
    </message>
    <message>
        <source>The wall ahead is the %1 one, %2 units away.</source>
        <translation>Die Wand voraus ist die Wand %1, %2 Längeneinheiten entfernt.</translation>
    </message>
    <message>
        <source>to the right</source>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>up and to the right</source>
        <translation>nach rechts oben</translation>
    </message>
    <message>
        <source>up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <source>up and to the left</source>
        <translation>nach links oben</translation>
    </message>
    <message>
        <source>to the left</source>
        <translation>nach links</translation>
    </message>
    <message>
        <source>down and to the left</source>
        <translation>nach links unten</translation>
    </message>
    <message>
        <source>down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>down and to the right</source>
        <translation>nach rechts unten</translation>
    </message>
    <message>
        <source>There is no body: its data file was refused.</source>
        <translation>Es gibt keinen Körper: Seine Datendatei wurde abgelehnt.</translation>
    </message>
    <message>
        <source>A force of %1 pushes it %2.</source>
        <translation>Eine Kraft von %1 schiebt ihn %2.</translation>
    </message>
    <message>
        <source>A torque of %1 turns it %2.</source>
        <translation>Ein Drehmoment von %1 dreht ihn %2.</translation>
    </message>
    <message>
        <source>Particle %1 of %2; the push goes %3 pixels %4 and %5 pixels %6. Enter pushes, Escape cancels.</source>
        <translation>Teilchen %1 von %2; der Stoß geht %3 Pixel %4 und %5 Pixel %6. Eingabe stößt an, Escape bricht ab.</translation>
    </message>
    <message>
        <source>Particle %1 lies under particle %2 where a press finds it: it cannot be pushed.</source>
        <translation>Teilchen %1 liegt dort, wo ein Druck es findet, unter Teilchen %2: Es kann nicht angestoßen werden.</translation>
    </message>
    <message>
        <source>Particle %1 lies outside the drawing area: it cannot be pushed now.</source>
        <translation>Teilchen %1 liegt außerhalb der Zeichenfläche: Es kann jetzt nicht angestoßen werden.</translation>
    </message>
    <message>
        <source>Particle %1 is too small for a press to find: it cannot be pushed.</source>
        <translation>Teilchen %1 ist zu klein, als dass ein Druck es fände: Es kann nicht angestoßen werden.</translation>
    </message>
    <message>
        <source>No particle is chosen: N chooses one.</source>
        <translation>Kein Teilchen gewählt: N wählt eines.</translation>
    </message>
    <message>
        <source>There is no particle to push.</source>
        <translation>Es gibt kein Teilchen zum Anstoßen.</translation>
    </message>
    <message>
        <source>The push is cancelled.</source>
        <translation>Der Stoß ist abgebrochen.</translation>
    </message>
    <message>
        <source>Pushed particle %1 with no force: released where the push starts.</source>
        <translation>Teilchen %1 ohne Kraft angestoßen: dort losgelassen, wo der Stoß beginnt.</translation>
    </message>
    <message>
        <source>Pushed particle %1 with a force of %2 pointing %3.</source>
        <translation>Teilchen %1 angestoßen, mit einer Kraft von %2, die %3 zeigt.</translation>
    </message>
    <message>
        <source>Coasting: no force or torque acts any more.</source>
        <translation>Freier Flug: Weder Kraft noch Drehmoment wirken mehr.</translation>
    </message>
    <message>
        <source>It bounced off the %1 and %2 walls.</source>
        <translation>Er prallte an den Wänden %1 und %2 ab.</translation>
    </message>
    <message>
        <source>It bounced off the %1 wall.</source>
        <translation>Er prallte an der Wand %1 ab.</translation>
    </message>
    <message>
        <source>The density %1 is refused; the body keeps density %2.</source>
        <translation>Die Flächendichte %1 wird abgelehnt; der Körper behält die Flächendichte %2.</translation>
    </message>
    <message>
        <source>The data file is refused; the body stays as it was.</source>
        <translation>Die Datendatei wird abgelehnt; der Körper bleibt, wie er war.</translation>
    </message>
    <message>
        <source>Step %1 is not kept.</source>
        <translation>Schritt %1 ist nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>Step %1 could not be taken: its numbers would not be finite. The body stays as it was.</source>
        <translation>Schritt %1 konnte nicht ausgeführt werden: Seine Zahlen wären nicht endlich. Der Körper bleibt, wie er war.</translation>
    </message>
</context>
<context>
    <name>DesktopActions</name>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Start/Stopp</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pause/Weiter</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Schri&amp;tt</translation>
    </message>
    <message>
        <source>&amp;Coast</source>
        <translation>&amp;Freier Flug</translation>
    </message>
    <message>
        <source>The pushes stop acting: force and torque become zero, the motion goes on</source>
        <translation>Die Stöße wirken nicht mehr: Kraft und Drehmoment werden null, die Bewegung geht weiter</translation>
    </message>
    <message>
        <source>S&amp;lower</source>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Schneller</translation>
    </message>
</context>
<context>
    <name>ExampleBodies</name>
    <message>
        <source>Rod</source>
        <translation>Stab</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Hantel</translation>
    </message>
    <message>
        <source>L shape</source>
        <translation>L-Form</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Irregular blob</source>
        <translation>Unregelmäßiger Klecks</translation>
    </message>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1 (in %2)</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Open a data file</source>
        <translation>Datendatei öffnen</translation>
    </message>
    <message>
        <source>Data files (*.txt);;All files (*)</source>
        <translation>Datendateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Export the data since the last setup</source>
        <translation>Daten seit dem letzten Aufbau exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Lessons (*.toml);;All files (*)</source>
        <translation>Lektionen (*.toml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the session as a lesson</source>
        <translation>Sitzung als Lektion speichern</translation>
    </message>
    <message>
        <source>Lessons (*.toml)</source>
        <translation>Lektionen (*.toml)</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Units.&lt;/b&gt; Lengths are in world units, &lt;b&gt;%1&lt;/b&gt;: a particle&apos;s radius is 1 %1, drawn 4 pixels per %1. Time is in time units, &lt;b&gt;%2&lt;/b&gt;: one step is 0.2 %2, and the timer ticks 20 steps a second at speed 1. Mass, &lt;b&gt;%3&lt;/b&gt;, is the density (%4) times the discs&apos; area: a particle weighs π %3 at density 1. Force is in %5: a push adds its drag in pixels, y up, as that many units of force. Hence velocity in %6, momentum in %7, angular momentum in %8, torque in %9, energy in %10 and moments of inertia in %11; angles in degrees. The inspector, the plots and the overlays all use these.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Einheiten.&lt;/b&gt; Längen werden in Welteinheiten gemessen, &lt;b&gt;%1&lt;/b&gt;: Ein Teilchen hat den Radius 1 %1 und wird mit 4 Pixeln pro %1 gezeichnet. Zeiten werden in Zeiteinheiten gemessen, &lt;b&gt;%2&lt;/b&gt;: Ein Schritt dauert 0,2 %2, und bei Tempo 1 tickt der Zeitgeber 20 Schritte pro Sekunde. Die Masse, &lt;b&gt;%3&lt;/b&gt;, ist die Flächendichte (%4) mal die Fläche der Scheiben: Bei Flächendichte 1 wiegt ein Teilchen π %3. Kräfte werden in %5 gemessen: Ein Stoß addiert seinen Zug in Pixeln, y nach oben, als ebenso viele Krafteinheiten. Daraus folgen Geschwindigkeit in %6, Impuls in %7, Drehimpuls in %8, Drehmoment in %9, Energie in %10 und Trägheitsmomente in %11; Winkel in Grad. Inspektor, Diagramme und Einblendungen verwenden alle diese Einheiten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;A bounce.&lt;/b&gt; The walls test only the centre of mass: while it lies outside the drawing area, at every step, the linear momentum and the force both turn round. So half the body is drawn past the edge before it comes back, and the torque and the angular momentum are kept: the body spins on as it turns.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Why the energy grows under a push.&lt;/b&gt; A push never stops acting: its force is added to the body for good. A bounce reverses the force together with the momentum, so the force still points the way the body moves and keeps doing work on it: the kinetic energy passes a bounce smoothly and goes on growing, and the torque keeps spinning the body faster. The step never normalises the orientation, so its length grows too, faster the faster the body turns; a step that would carry it beyond the range of numbers is not taken, and the run halts with a note saying why.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Coasting&lt;/b&gt; (Simulation ▸ Coast) sets the force and the torque to zero: the body then flies free, and its kinetic energy, linear and rotational, stays as it is, bounces included. Compare the plots before and after.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Ein Abprall.&lt;/b&gt; Die Wände prüfen nur den Schwerpunkt: Solange er außerhalb der Zeichenfläche liegt, kehren sich bei jedem Schritt Impuls und Kraft um. Darum wird der Körper zur Hälfte über den Rand hinaus gezeichnet, bevor er zurückkommt, und Drehmoment und Drehimpuls bleiben erhalten: Der Körper dreht sich beim Umkehren weiter.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Warum die Energie unter einem Stoß wächst.&lt;/b&gt; Ein Stoß hört nie auf zu wirken: Seine Kraft wird dem Körper dauerhaft hinzugefügt. Ein Abprall kehrt die Kraft zusammen mit dem Impuls um, sodass die Kraft weiter in Bewegungsrichtung zeigt und weiter Arbeit am Körper verrichtet: Die kinetische Energie geht glatt über einen Abprall hinweg und wächst weiter, und das Drehmoment dreht den Körper immer schneller. Der Schritt normiert die Orientierung nie, daher wächst auch ihre Länge, umso schneller, je schneller sich der Körper dreht; ein Schritt, der sie über den Zahlenbereich hinaustragen würde, wird nicht ausgeführt, und der Lauf hält mit einem Hinweis an, der den Grund nennt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Freier Flug&lt;/b&gt; (Simulation ▸ Freier Flug) setzt Kraft und Drehmoment auf null: Der Körper fliegt dann frei, und seine kinetische Energie, die der Translation wie die der Rotation, bleibt, wie sie ist, Abpralle eingeschlossen. Vergleichen Sie die Diagramme davor und danach.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Overlays&lt;/b&gt; (View menu), drawn over the picture:&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Einblendungen&lt;/b&gt; (Menü Ansicht), über das Bild gezeichnet:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InspectorPanel</name>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>simulated time, and the steps of 0.2 since the last setup</source>
        <translation>simulierte Zeit und die Schritte von 0,2 seit dem letzten Aufbau</translation>
    </message>
    <message>
        <source>total mass</source>
        <translation>Gesamtmasse</translation>
    </message>
    <message>
        <source>density × the discs&apos; area</source>
        <translation>Flächendichte × Fläche der Scheiben</translation>
    </message>
    <message>
        <source>body inertia</source>
        <translation>Trägheitstensor</translation>
    </message>
    <message>
        <source>about the centre of mass, in the body&apos;s own frame, whose x and y are the data file&apos;s</source>
        <translation>bezüglich des Schwerpunkts, im körperfesten System, dessen x und y die der Datendatei sind</translation>
    </message>
    <message>
        <source>principal moments</source>
        <translation>Hauptträgheitsmomente</translation>
    </message>
    <message>
        <source>the smaller and the larger moment in the plane, and the moment about z</source>
        <translation>das kleinere und das größere Moment in der Ebene und das Moment um z</translation>
    </message>
    <message>
        <source>principal axis</source>
        <translation>Hauptachse</translation>
    </message>
    <message>
        <source>the smaller moment&apos;s axis, counter-clockwise from the body&apos;s own x axis, in (−90°, 90°]; the larger moment&apos;s axis lies at right angles to it</source>
        <translation>die Achse des kleineren Moments, gegen den Uhrzeigersinn von der körpereigenen x-Achse aus, in (−90°, 90°]; die Achse des größeren Moments steht senkrecht dazu</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>of the centre of mass</source>
        <translation>des Schwerpunkts</translation>
    </message>
    <message>
        <source>orientation</source>
        <translation>Orientierung</translation>
    </message>
    <message>
        <source>w, x, y, z; never normalised by the step</source>
        <translation>w, x, y, z; vom Schritt nie normiert</translation>
    </message>
    <message>
        <source>orientation length</source>
        <translation>Länge der Orientierung</translation>
    </message>
    <message>
        <source>how far the step has let the orientation grow from 1</source>
        <translation>wie weit der Schritt die Orientierung über 1 hinaus wachsen ließ</translation>
    </message>
    <message>
        <source>angle about z</source>
        <translation>Winkel um z</translation>
    </message>
    <message>
        <source>the turn of the normalised orientation</source>
        <translation>die Drehung der normierten Orientierung</translation>
    </message>
    <message>
        <source>linear velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>angular velocity</source>
        <translation>Winkelgeschwindigkeit</translation>
    </message>
    <message>
        <source>ω = I⁻¹L, in the world&apos;s frame</source>
        <translation>ω = I⁻¹L, im Weltsystem</translation>
    </message>
    <message>
        <source>linear momentum</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>p = m·v</source>
        <translation>p = m·v</translation>
    </message>
    <message>
        <source>angular momentum</source>
        <translation>Drehimpuls</translation>
    </message>
    <message>
        <source>L, about the centre of mass</source>
        <translation>L, bezüglich des Schwerpunkts</translation>
    </message>
    <message>
        <source>force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>accumulated: every push adds its drag; a bounce reverses it with the momentum</source>
        <translation>aufsummiert: Jeder Stoß addiert seinen Zug; ein Abprall kehrt sie mit dem Impuls um</translation>
    </message>
    <message>
        <source>torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>accumulated about the centre of mass; a bounce keeps it</source>
        <translation>aufsummiert bezüglich des Schwerpunkts; ein Abprall behält es bei</translation>
    </message>
    <message>
        <source>kinetic energy</source>
        <translation>kinetische Energie</translation>
    </message>
    <message>
        <source>linear ½m·v², rotational ½ω·L, and their total</source>
        <translation>Translation ½m·v², Rotation ½ω·L und ihre Summe</translation>
    </message>
    <message>
        <source>%1 (%2 steps)</source>
        <translation>%1 (%2 Schritte)</translation>
    </message>
    <message>
        <source>Copy state</source>
        <translation>Zustand kopieren</translation>
    </message>
    <message>
        <source>the state line, every number exact</source>
        <translation>die Zustandszeile, jede Zahl exakt</translation>
    </message>
</context>
<context>
    <name>LessonDock</name>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>Lesson notes</source>
        <translation>Notizen der Lektion</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Zurück zum Anfang</translation>
    </message>
    <message>
        <source>Puts the body as the lesson starts it</source>
        <translation>Bringt den Körper in den Zustand, mit dem die Lektion beginnt</translation>
    </message>
    <message>
        <source>Close lesson</source>
        <translation>Lektion schließen</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>your prediction, such as 2.5</source>
        <translation>Ihre Vorhersage, etwa 2,5</translation>
    </message>
    <message>
        <source>Prediction for task %1</source>
        <translation>Vorhersage für Aufgabe %1</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Auflösen</translation>
    </message>
    <message>
        <source>Runs the experiment from the lesson&apos;s start, then shows your prediction beside the outcome</source>
        <translation>Führt das Experiment vom Anfang der Lektion aus durch und zeigt dann Ihre Vorhersage neben dem Ergebnis</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Your prediction: %1</source>
        <translation>Ihre Vorhersage: %1</translation>
    </message>
    <message>
        <source>The outcome: %1</source>
        <translation>Das Ergebnis: %1</translation>
    </message>
    <message>
        <source>The difference, outcome minus prediction: %1</source>
        <translation>Die Differenz, Ergebnis minus Vorhersage: %1</translation>
    </message>
    <message>
        <source>%1, or %2 of the outcome&apos;s size</source>
        <translation>%1 oder %2 des Betrags des Ergebnisses</translation>
    </message>
    <message>
        <source>That is within the lesson&apos;s tolerance of %1.</source>
        <translation>Das liegt innerhalb der Toleranz der Lektion von %1.</translation>
    </message>
    <message>
        <source>That is more than the lesson&apos;s tolerance of %1.</source>
        <translation>Das ist mehr als die Toleranz der Lektion von %1.</translation>
    </message>
    <message>
        <source>%1 is %2 at the end of the experiment.</source>
        <translation>%1 ist am Ende des Experiments %2.</translation>
    </message>
    <message>
        <source>%1: %2 is %3.</source>
        <translation>%1: %2 ist %3.</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>The experiment gave no outcome: %1</source>
        <translation>Das Experiment ergab kein Ergebnis: %1</translation>
    </message>
</context>
<context>
    <name>LessonHost</name>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lektionen</translation>
    </message>
    <message>
        <source>Open &amp;lesson…</source>
        <translation>&amp;Lektion öffnen…</translation>
    </message>
    <message>
        <source>Save as lesso&amp;n…</source>
        <translation>Als Le&amp;ktion speichern…</translation>
    </message>
    <message>
        <source>&amp;Close lesson</source>
        <translation>Lektion s&amp;chließen</translation>
    </message>
    <message>
        <source>a command of the experiment was refused</source>
        <translation>ein Befehl des Experiments wurde abgelehnt</translation>
    </message>
    <message>
        <source>cannot write the lesson &apos;%1&apos;: %2, which a script line cannot hold</source>
        <translation>Die Lektion „%1“ kann nicht geschrieben werden: %2, was eine Skriptzeile nicht fassen kann</translation>
    </message>
    <message>
        <source>cannot write the lesson &apos;%1&apos;: %2</source>
        <translation>Die Lektion „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the lesson &apos;%1&apos; was written, but it would not open as it is: %2</source>
        <translation>Die Lektion „%1“ wurde geschrieben, ließe sich so aber nicht öffnen: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Starrkörperdynamik</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>Inspektor</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>%1 opens in a window of its own: the screen has no room for it beside the drawing area, which keeps its size.</source>
        <translation>%1 öffnet sich in einem eigenen Fenster: Neben der Zeichenfläche, die ihre Größe behält, ist auf dem Bildschirm kein Platz dafür.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;example</source>
        <translation>&amp;Beispiel öffnen</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>E&amp;xport data…</source>
        <translation>Daten e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Temp&amp;o</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reset layout and settings</source>
        <translation>Anordnung und Einstellungen &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Language (from the next start)</source>
        <translation>Sprach&amp;e (ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keys, units and physics</source>
        <translation>&amp;Tasten, Einheiten und Physik</translation>
    </message>
    <message>
        <source>Keys, units and physics</source>
        <translation>Tasten, Einheiten und Physik</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>About Rigid Body Dynamics</source>
        <translation>Über Starrkörperdynamik</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Rigid Body Dynamics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;One rigid body, a flat cluster of spheres, moving under the three-dimensional rigid-body equations with a fixed explicit Euler step. Every number is computed in a fixed order, so a run is reproducible to the last bit.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Starrkörperdynamik&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Ein starrer Körper, eine ebene Gruppe von Kugeln, bewegt nach den dreidimensionalen Bewegungsgleichungen des starren Körpers mit einem festen expliziten Euler-Schritt. Jede Zahl wird in einer festen Reihenfolge berechnet, sodass ein Lauf bis aufs letzte Bit reproduzierbar ist.&lt;/p&gt;&lt;p&gt;Lizenz: MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Press on a disc, drag, let go</source>
        <translation>Auf eine Scheibe drücken, ziehen, loslassen</translation>
    </message>
    <message>
        <source>push: a dashed band follows the pointer; the drag in pixels, y up, is added to the force, its moment about the centre of mass to the torque; both act at every step until the body is rebuilt or coasts</source>
        <translation>Stoß: Ein gestricheltes Band folgt dem Zeiger; der Zug in Pixeln, y nach oben, wird zur Kraft addiert, sein Moment bezüglich des Schwerpunkts zum Drehmoment; beide wirken bei jedem Schritt, bis der Körper neu aufgebaut wird oder frei fliegt</translation>
    </message>
    <message>
        <source>Start/Stop button</source>
        <translation>Knopf Start/Stopp</translation>
    </message>
    <message>
        <source>run; stopping returns the body to rest</source>
        <translation>laufen lassen; Anhalten bringt den Körper in Ruhe zurück</translation>
    </message>
    <message>
        <source>pause or resume a run, keeping the body as it is</source>
        <translation>einen Lauf anhalten oder fortsetzen; der Körper bleibt, wie er ist</translation>
    </message>
    <message>
        <source>one time step of 0.2 while halted or paused</source>
        <translation>ein Zeitschritt von 0,2, solange angehalten</translation>
    </message>
    <message>
        <source>one kept step back: the body as it was then, halted; from there Ctrl+Right computes the same steps again</source>
        <translation>ein aufbewahrter Schritt zurück: der Körper, wie er damals war, angehalten; von dort berechnet Strg+Rechts dieselben Schritte erneut</translation>
    </message>
    <message>
        <source>coast: the pushes stop acting, force and torque become zero</source>
        <translation>freier Flug: Die Stöße wirken nicht mehr, Kraft und Drehmoment werden null</translation>
    </message>
    <message>
        <source>slower, faster: the timer&apos;s pace from 1/8 to 4; each step stays 0.2</source>
        <translation>langsamer, schneller: das Tempo des Zeitgebers von 1/8 bis 4; jeder Schritt bleibt 0,2</translation>
    </message>
    <message>
        <source>open a data file (or drop one on the window)</source>
        <translation>eine Datendatei öffnen (oder eine auf das Fenster ziehen)</translation>
    </message>
    <message>
        <source>reload the data file; the run stops</source>
        <translation>die Datendatei neu laden; der Lauf endet</translation>
    </message>
    <message>
        <source>save the picture as a PNG</source>
        <translation>das Bild als PNG speichern</translation>
    </message>
    <message>
        <source>open a lesson: notes, tasks and a prepared experiment</source>
        <translation>eine Lektion öffnen: Notizen, Aufgaben und ein vorbereitetes Experiment</translation>
    </message>
    <message>
        <source>close the lesson: your own speed, overlays, panels and controls come back</source>
        <translation>die Lektion schließen: Ihr eigenes Tempo, Ihre Einblendungen, Bereiche und Bedienelemente kehren zurück</translation>
    </message>
    <message>
        <source>the inspector: every quantity of the body</source>
        <translation>der Inspektor: jede Größe des Körpers</translation>
    </message>
    <message>
        <source>the plots: energies, momenta and the orientation&apos;s length over time</source>
        <translation>die Diagramme: Energien, Impulse und die Länge der Orientierung über der Zeit</translation>
    </message>
    <message>
        <source>the timeline: drag it, or use its arrow keys, to go back and forth through the kept steps; pressing it pauses a run; a step, a push or coast drops the steps after the present</source>
        <translation>die Zeitleiste: ziehen oder ihre Pfeiltasten benutzen, um durch die aufbewahrten Schritte vor und zurück zu gehen; ein Druck darauf hält einen Lauf an; ein Schritt, ein Stoß oder freier Flug verwirft die Schritte nach der Gegenwart</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>the next or the previous control: Start/Stop, the density box, the drawing area (framed while it has the keys), the timeline</source>
        <translation>das nächste oder vorige Bedienelement: Start/Stopp, das Feld der Flächendichte, die Zeichenfläche (umrahmt, solange sie die Tasten hat), die Zeitleiste</translation>
    </message>
    <message>
        <source>N or ], P or [</source>
        <translation>N oder ], P oder [</translation>
    </message>
    <message>
        <source>in the drawing area: choose the next or the previous particle to push, counted from 1; the chosen disc is ringed</source>
        <translation>in der Zeichenfläche: das nächste oder vorige Teilchen zum Anstoßen wählen, von 1 an gezählt; die gewählte Scheibe wird umringt</translation>
    </message>
    <message>
        <source>Arrows, Shift+Arrows</source>
        <translation>Pfeiltasten, Umschalt+Pfeiltasten</translation>
    </message>
    <message>
        <source>in the drawing area: set the push, 1 or 10 pixels a press, shown as a dashed arrow</source>
        <translation>in der Zeichenfläche: den Stoß einstellen, 1 oder 10 Pixel pro Druck, als gestrichelter Pfeil gezeigt</translation>
    </message>
    <message>
        <source>Enter, Escape</source>
        <translation>Eingabe, Escape</translation>
    </message>
    <message>
        <source>in the drawing area: push, the same press and release a mouse makes; or cancel. A press finds a particle where it would lie unturned: once the body has turned, a dotted ring marks that place, where the push starts</source>
        <translation>in der Zeichenfläche: anstoßen, mit demselben Drücken und Loslassen wie mit der Maus; oder abbrechen. Ein Druck findet ein Teilchen dort, wo es ungedreht läge: Hat sich der Körper gedreht, markiert ein gepunkteter Ring diese Stelle, an der der Stoß beginnt</translation>
    </message>
    <message>
        <source>density box</source>
        <translation>Feld der Flächendichte</translation>
    </message>
    <message>
        <source>mass per unit area; every change stops the run and rebuilds the body; a refused text is marked and the body keeps its density</source>
        <translation>Masse pro Flächeneinheit, mit Dezimalpunkt wie in Skripten (2.5); jede Änderung beendet den Lauf und baut den Körper neu auf; ein abgelehnter Text wird markiert, und der Körper behält seine Flächendichte</translation>
    </message>
    <message>
        <source>From the next start the window follows the system&apos;s language.</source>
        <translation>Ab dem nächsten Start folgt das Fenster der Sprache des Systems.</translation>
    </message>
    <message>
        <source>From the next start the window is in %1.</source>
        <translation>Ab dem nächsten Start ist das Fenster auf %1.</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1: %2</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The panels, the speed, the overlays and the drawing area are back to how they first were.</source>
        <translation>Bereiche, Tempo, Einblendungen und Zeichenfläche sind wieder wie zu Beginn.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>&amp;Centre of mass</source>
        <translation>&amp;Schwerpunkt</translation>
    </message>
    <message>
        <source>a cross %1 pixels to each side</source>
        <translation>ein Kreuz, %1 Pixel nach jeder Seite</translation>
    </message>
    <message>
        <source>&amp;Velocity</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>an arrow of %1 pixels per u/tu of velocity</source>
        <translation>ein Pfeil von %1 Pixeln pro u/tu Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Kraft</translation>
    </message>
    <message>
        <source>an arrow of %1 pixel per mu·u/tu² of force, as a push draws it</source>
        <translation>ein Pfeil von %1 Pixel pro mu·u/tu² Kraft, wie ein Stoß ihn zeichnet</translation>
    </message>
    <message>
        <source>&amp;Angular velocity</source>
        <translation>&amp;Winkelgeschwindigkeit</translation>
    </message>
    <message>
        <source>an arc of radius %1 pixels, counter-clockwise for a positive ωz, sweeping %2 radians per rad/tu (at most %3)</source>
        <translation>ein Bogen mit Radius %1 Pixel, gegen den Uhrzeigersinn für positives ωz, der %2 Radiant pro rad/tu überstreicht (höchstens %3)</translation>
    </message>
    <message>
        <source>&amp;Trail</source>
        <translation>S&amp;pur</translation>
    </message>
    <message>
        <source>the centre of mass&apos;s path since the last setup, the last %1 steps</source>
        <translation>die Bahn des Schwerpunkts seit dem letzten Aufbau, die letzten %1 Schritte</translation>
    </message>
    <message>
        <source>Body a&amp;xes</source>
        <translation>Körper&amp;achsen</translation>
    </message>
    <message>
        <source>the body&apos;s own x and y axes, %1 pixels to each side, head on the positive end: the data file&apos;s x and y, turned with the body; not its principal axes</source>
        <translation>die körpereigenen x- und y-Achsen, %1 Pixel nach jeder Seite, Spitze am positiven Ende: x und y der Datendatei, mit dem Körper gedreht; nicht seine Hauptachsen</translation>
    </message>
    <message>
        <source>&amp;Principal axes</source>
        <translation>&amp;Hauptachsen</translation>
    </message>
    <message>
        <source>the principal axes of inertia in the plane, which need not be the body&apos;s own axes: the axis of the smaller moment (the body&apos;s long direction) %1 pixels to each side, the other shorter by the square root of the moments&apos; ratio</source>
        <translation>die Hauptträgheitsachsen in der Ebene, die nicht die körpereigenen Achsen sein müssen: die Achse des kleineren Moments (die Längsrichtung des Körpers) %1 Pixel nach jeder Seite, die andere um die Wurzel aus dem Verhältnis der Momente kürzer</translation>
    </message>
</context>
<context>
    <name>PlotsPanel</name>
    <message>
        <source>Kinetic energy (%1)</source>
        <translation>Kinetische Energie (%1)</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>rotational</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>total</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>Linear momentum&apos;s length |p| (%1)</source>
        <translation>Betrag des Impulses |p| (%1)</translation>
    </message>
    <message>
        <source>Angular momentum about z, Lz (%1)</source>
        <translation>Drehimpuls um z, Lz (%1)</translation>
    </message>
    <message>
        <source>Orientation&apos;s length |q|, never normalised</source>
        <translation>Länge der Orientierung |q|, nie normiert</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>log. Skala</translation>
    </message>
    <message>
        <source>time (%1)</source>
        <translation>Zeit (%1)</translation>
    </message>
</context>
<context>
    <name>SessionRecorder</name>
    <message>
        <source>%1, which a script line cannot hold</source>
        <translation>%1, was eine Skriptzeile nicht fassen kann</translation>
    </message>
    <message>
        <source>recording to &apos;%1&apos; stopped: %2; the file holds the session up to here</source>
        <translation>Die Aufzeichnung in „%1“ wurde beendet: %2; die Datei enthält die Sitzung bis hierher</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>At rest</source>
        <translation>In Ruhe</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>t = %1 %2 (%3)</source>
        <translation>t = %1 %2 (%3)</translation>
    </message>
    <message>
        <source>step %1 of %2 kept</source>
        <translation>Schritt %1 von %2 aufbewahrten</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>speed %1×</source>
        <translation>Tempo %1×</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Starrkörperdynamik</translation>
    </message>
    <message>
        <source>Open another data file (File, Open, or Ctrl+O), or start the program with --data FILE.</source>
        <translation>Öffnen Sie eine andere Datendatei (Datei, Öffnen oder Strg+O), oder starten Sie das Programm mit --data DATEI.</translation>
    </message>
    <message>
        <source>Press on a blue disc and drag: letting go pushes the body. Start/Stop runs it.</source>
        <translation>Auf eine blaue Scheibe drücken und ziehen: Loslassen stößt den Körper an. Start/Stopp lässt ihn laufen.</translation>
    </message>
    <message>
        <source>density = </source>
        <translation>Flächendichte = </translation>
    </message>
    <message>
        <source>Start/Stop</source>
        <translation>Start/Stopp</translation>
    </message>
    <message>
        <source>Mass per unit area, with a decimal point as scripts write it: 2.5</source>
        <translation>Masse pro Flächeneinheit, mit Dezimalpunkt, wie Skripte sie schreiben: 2.5</translation>
    </message>
    <message>
        <source>density</source>
        <translation>Flächendichte</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>Das Bild „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1; the body keeps density %2</source>
        <translation>%1; der Körper behält die Flächendichte %2</translation>
    </message>
    <message>
        <source>The run goes on: Start/Stop stops it by rebuilding the body, and %1. Correct the density, or pause with Space.</source>
        <translation>Der Lauf geht weiter: Start/Stopp beendet ihn, indem es den Körper neu aufbaut, und %1. Korrigieren Sie die Flächendichte, oder halten Sie mit der Leertaste an.</translation>
    </message>
    <message>
        <source>%1 was not opened: its body would be built with the density in the box, and %2.</source>
        <translation>%1 wurde nicht geöffnet: Sein Körper würde mit der Flächendichte im Feld aufgebaut, und %2.</translation>
    </message>
    <message>
        <source>Not done: the body would be rebuilt with the density in the box, and %1.</source>
        <translation>Nicht ausgeführt: Der Körper würde mit der Flächendichte im Feld neu aufgebaut, und %1.</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Time&amp;line</source>
        <translation>Zeit&amp;leiste</translation>
    </message>
    <message>
        <source>Step &amp;back</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>step %1 of %2, %3</source>
        <translation>Schritt %1 von %2, %3</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Kept: steps %1 to %2</source>
        <translation>Aufbewahrt: Schritte %1 bis %2</translation>
    </message>
    <message>
        <source>step %1, %2</source>
        <translation>Schritt %1, %2</translation>
    </message>
</context>
</TS>
