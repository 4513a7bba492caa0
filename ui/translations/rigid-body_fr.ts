<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Application</name>
    <message>
        <source>Out of memory: the last action was not completed.</source>
        <translation>Mémoire épuisée : la dernière action n’a pas été menée à bien.</translation>
    </message>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Dynamique du solide</translation>
    </message>
</context>
<context>
    <name>AreaDescription</name>
    <message>
        <source>drawing area</source>
        <translation>zone de dessin</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>the data file &apos;%1&apos; stopped at step %2: %3; it holds every row up to there</source>
        <translation>le fichier de données « %1 » s’arrête au pas %2 : %3 ; il contient toutes les lignes jusque-là</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>left</source>
        <translation>de gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>de droite</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>du bas</translation>
    </message>
    <message>
        <source>top</source>
        <translation>du haut</translation>
    </message>
    <message>
        <source>Running, time %1.</source>
        <translation>En marche, temps %1.</translation>
    </message>
    <message>
        <source>Paused at time %1, back in the kept run.</source>
        <translation>En pause au temps %1, en arrière dans la course conservée.</translation>
    </message>
    <message>
        <source>Paused at time %1.</source>
        <translation>En pause au temps %1.</translation>
    </message>
    <message>
        <source>At rest.</source>
        <translation>Au repos.</translation>
    </message>
    <message>
        <source>The body is at (%1, %2), not moving.</source>
        <translation>Le solide est en (%1 ; %2), immobile.</translation>
    </message>
    <message>
        <source>The body is at (%1, %2), moving %3 at %4 units per time unit.</source>
        <translation>Le solide est en (%1 ; %2) et se déplace %3 à %4 unités de longueur par unité de temps.</translation>
    </message>
    <message>
        <source>counter-clockwise</source>
        <translation>dans le sens antihoraire</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>dans le sens horaire</translation>
    </message>
    <message>
        <source>It does not turn.</source>
        <translation>Il ne tourne pas.</translation>
    </message>
    <message>
        <source>It turns %1, once every %2 time units.</source>
        <translation>Il tourne %1, un tour toutes les %2 unités de temps.</translation>
    </message>
    <message>
        <source>It is outside the drawing area, %1 units beyond the %2 wall.</source>
        <translation>Il est hors de la zone de dessin, %1 unités au-delà de la paroi %2.</translation>
    </message>
    <message>
        <source>The nearest wall is the %1 one, %2 units away.</source>
        <translation>La paroi la plus proche est celle %1, à %2 unités.</translation>
    </message>
    <message>
        <source>The wall ahead is the %1 one, %2 units away.</source>
        <translation>La paroi devant lui est celle %1, à %2 unités.</translation>
    </message>
    <message>
        <source>to the right</source>
        <translation>vers la droite</translation>
    </message>
    <message>
        <source>up and to the right</source>
        <translation>vers le haut et la droite</translation>
    </message>
    <message>
        <source>up</source>
        <translation>vers le haut</translation>
    </message>
    <message>
        <source>up and to the left</source>
        <translation>vers le haut et la gauche</translation>
    </message>
    <message>
        <source>to the left</source>
        <translation>vers la gauche</translation>
    </message>
    <message>
        <source>down and to the left</source>
        <translation>vers le bas et la gauche</translation>
    </message>
    <message>
        <source>down</source>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>down and to the right</source>
        <translation>vers le bas et la droite</translation>
    </message>
    <message>
        <source>There is no body: its data file was refused.</source>
        <translation>Il n’y a pas de solide : son fichier de données a été refusé.</translation>
    </message>
    <message>
        <source>A force of %1 pushes it %2.</source>
        <translation>Une force de %1 le pousse %2.</translation>
    </message>
    <message>
        <source>A torque of %1 turns it %2.</source>
        <translation>Un moment de force de %1 le fait tourner %2.</translation>
    </message>
    <message>
        <source>Particle %1 of %2; the push goes %3 pixels %4 and %5 pixels %6. Enter pushes, Escape cancels.</source>
        <translation>Particule %1 sur %2 ; la poussée va de %3 pixels %4 et de %5 pixels %6. Entrée pousse, Échap annule.</translation>
    </message>
    <message>
        <source>Particle %1 lies under particle %2 where a press finds it: it cannot be pushed.</source>
        <translation>La particule %1 se trouve sous la particule %2 là où un appui la trouve : elle ne peut pas être poussée.</translation>
    </message>
    <message>
        <source>Particle %1 lies outside the drawing area: it cannot be pushed now.</source>
        <translation>La particule %1 est hors de la zone de dessin : elle ne peut pas être poussée maintenant.</translation>
    </message>
    <message>
        <source>Particle %1 is too small for a press to find: it cannot be pushed.</source>
        <translation>La particule %1 est trop petite pour qu’un appui la trouve : elle ne peut pas être poussée.</translation>
    </message>
    <message>
        <source>No particle is chosen: N chooses one.</source>
        <translation>Aucune particule n’est choisie : N en choisit une.</translation>
    </message>
    <message>
        <source>There is no particle to push.</source>
        <translation>Il n’y a aucune particule à pousser.</translation>
    </message>
    <message>
        <source>The push is cancelled.</source>
        <translation>La poussée est annulée.</translation>
    </message>
    <message>
        <source>Pushed particle %1 with no force: released where the push starts.</source>
        <translation>Particule %1 poussée sans force : relâchée là où la poussée commence.</translation>
    </message>
    <message>
        <source>Pushed particle %1 with a force of %2 pointing %3.</source>
        <translation>Particule %1 poussée avec une force de %2 dirigée %3.</translation>
    </message>
    <message>
        <source>Coasting: no force or torque acts any more.</source>
        <translation>Roue libre : plus aucune force ni aucun moment n’agit.</translation>
    </message>
    <message>
        <source>It bounced off the %1 and %2 walls.</source>
        <translation>Il a rebondi sur les parois %1 et %2.</translation>
    </message>
    <message>
        <source>It bounced off the %1 wall.</source>
        <translation>Il a rebondi sur la paroi %1.</translation>
    </message>
    <message>
        <source>The density %1 is refused; the body keeps density %2.</source>
        <translation>La masse surfacique %1 est refusée ; le solide garde la masse surfacique %2.</translation>
    </message>
    <message>
        <source>The data file is refused; the body stays as it was.</source>
        <translation>Le fichier de données est refusé ; le solide reste tel qu’il était.</translation>
    </message>
    <message>
        <source>Step %1 is not kept.</source>
        <translation>Le pas %1 n’est pas conservé.</translation>
    </message>
    <message>
        <source>Step %1 could not be taken: its numbers would not be finite. The body stays as it was.</source>
        <translation>Le pas %1 n’a pas pu être fait : ses nombres ne seraient pas finis. Le solide reste tel qu’il était.</translation>
    </message>
</context>
<context>
    <name>DesktopActions</name>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Re&amp;charger</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>Enregistrer l’&amp;image…</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Démarrer/Arrêter</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pause/Reprise</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Pa&amp;s</translation>
    </message>
    <message>
        <source>&amp;Coast</source>
        <translation>&amp;Roue libre</translation>
    </message>
    <message>
        <source>The pushes stop acting: force and torque become zero, the motion goes on</source>
        <translation>Les poussées cessent d’agir : la force et le moment deviennent nuls, le mouvement continue</translation>
    </message>
    <message>
        <source>S&amp;lower</source>
        <translation>Plus &amp;lent</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Plus &amp;rapide</translation>
    </message>
</context>
<context>
    <name>ExampleBodies</name>
    <message>
        <source>Rod</source>
        <translation>Tige</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Haltère</translation>
    </message>
    <message>
        <source>L shape</source>
        <translation>Forme en L</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anneau</translation>
    </message>
    <message>
        <source>Irregular blob</source>
        <translation>Tache irrégulière</translation>
    </message>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1 (dans %2)</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Open a data file</source>
        <translation>Ouvrir un fichier de données</translation>
    </message>
    <message>
        <source>Data files (*.txt);;All files (*)</source>
        <translation>Fichiers de données (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Export the data since the last setup</source>
        <translation>Exporter les données depuis la dernière mise en place</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Lessons (*.toml);;All files (*)</source>
        <translation>Leçons (*.toml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the session as a lesson</source>
        <translation>Enregistrer la session comme leçon</translation>
    </message>
    <message>
        <source>Lessons (*.toml)</source>
        <translation>Leçons (*.toml)</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Units.&lt;/b&gt; Lengths are in world units, &lt;b&gt;%1&lt;/b&gt;: a particle&apos;s radius is 1 %1, drawn 4 pixels per %1. Time is in time units, &lt;b&gt;%2&lt;/b&gt;: one step is 0.2 %2, and the timer ticks 20 steps a second at speed 1. Mass, &lt;b&gt;%3&lt;/b&gt;, is the density (%4) times the discs&apos; area: a particle weighs π %3 at density 1. Force is in %5: a push adds its drag in pixels, y up, as that many units of force. Hence velocity in %6, momentum in %7, angular momentum in %8, torque in %9, energy in %10 and moments of inertia in %11; angles in degrees. The inspector, the plots and the overlays all use these.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Unités.&lt;/b&gt; Les longueurs sont en unités du monde, &lt;b&gt;%1&lt;/b&gt; : une particule a un rayon de 1 %1, dessiné à 4 pixels par %1. Le temps est en unités de temps, &lt;b&gt;%2&lt;/b&gt; : un pas dure 0,2 %2, et à la cadence 1 la minuterie bat 20 pas par seconde. La masse, &lt;b&gt;%3&lt;/b&gt;, est la masse surfacique (%4) multipliée par l’aire des disques : à masse surfacique 1, une particule pèse π %3. Les forces sont en %5 : une poussée ajoute son tracé en pixels, y vers le haut, comme autant d’unités de force. D’où la vitesse en %6, la quantité de mouvement en %7, le moment cinétique en %8, le moment de force en %9, l’énergie en %10 et les moments d’inertie en %11 ; les angles en degrés. L’inspecteur, les graphiques et les superpositions utilisent tous ces unités.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;A bounce.&lt;/b&gt; The walls test only the centre of mass: while it lies outside the drawing area, at every step, the linear momentum and the force both turn round. So half the body is drawn past the edge before it comes back, and the torque and the angular momentum are kept: the body spins on as it turns.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Why the energy grows under a push.&lt;/b&gt; A push never stops acting: its force is added to the body for good. A bounce reverses the force together with the momentum, so the force still points the way the body moves and keeps doing work on it: the kinetic energy passes a bounce smoothly and goes on growing, and the torque keeps spinning the body faster. The step never normalises the orientation, so its length grows too, faster the faster the body turns; a step that would carry it beyond the range of numbers is not taken, and the run halts with a note saying why.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Coasting&lt;/b&gt; (Simulation ▸ Coast) sets the force and the torque to zero: the body then flies free, and its kinetic energy, linear and rotational, stays as it is, bounces included. Compare the plots before and after.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Un rebond.&lt;/b&gt; Les parois ne testent que le centre de masse : tant qu’il est hors de la zone de dessin, à chaque pas, la quantité de mouvement et la force s’inversent toutes deux. Le solide est donc dessiné à moitié au-delà du bord avant de revenir, et le moment de force et le moment cinétique sont conservés : le solide continue de tourner en faisant demi-tour.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pourquoi l’énergie croît sous une poussée.&lt;/b&gt; Une poussée ne cesse jamais d’agir : sa force est ajoutée au solide pour de bon. Un rebond inverse la force en même temps que la quantité de mouvement, si bien que la force pointe toujours dans le sens du mouvement et continue de travailler : l’énergie cinétique franchit un rebond sans à-coup et continue de croître, et le moment de force fait tourner le solide de plus en plus vite. Le pas ne normalise jamais l’orientation, donc sa norme croît elle aussi, d’autant plus vite que le solide tourne vite ; un pas qui la porterait au-delà du domaine des nombres n’est pas fait, et la course s’arrête avec une note qui dit pourquoi.&lt;/p&gt;&lt;p&gt;&lt;b&gt;La roue libre&lt;/b&gt; (Simulation ▸ Roue libre) annule la force et le moment : le solide vole alors librement, et son énergie cinétique, de translation comme de rotation, reste constante, rebonds compris. Comparez les graphiques avant et après.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Overlays&lt;/b&gt; (View menu), drawn over the picture:&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Superpositions&lt;/b&gt; (menu Affichage), dessinées par-dessus l’image :&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InspectorPanel</name>
    <message>
        <source>time</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>simulated time, and the steps of 0.2 since the last setup</source>
        <translation>temps simulé, et les pas de 0,2 depuis la dernière mise en place</translation>
    </message>
    <message>
        <source>total mass</source>
        <translation>masse totale</translation>
    </message>
    <message>
        <source>density × the discs&apos; area</source>
        <translation>masse surfacique × aire des disques</translation>
    </message>
    <message>
        <source>body inertia</source>
        <translation>tenseur d’inertie</translation>
    </message>
    <message>
        <source>about the centre of mass, in the body&apos;s own frame, whose x and y are the data file&apos;s</source>
        <translation>par rapport au centre de masse, dans le repère propre du solide, dont x et y sont ceux du fichier de données</translation>
    </message>
    <message>
        <source>principal moments</source>
        <translation>moments principaux</translation>
    </message>
    <message>
        <source>the smaller and the larger moment in the plane, and the moment about z</source>
        <translation>le plus petit et le plus grand moment dans le plan, et le moment autour de z</translation>
    </message>
    <message>
        <source>principal axis</source>
        <translation>axe principal</translation>
    </message>
    <message>
        <source>the smaller moment&apos;s axis, counter-clockwise from the body&apos;s own x axis, in (−90°, 90°]; the larger moment&apos;s axis lies at right angles to it</source>
        <translation>l’axe du plus petit moment, dans le sens antihoraire depuis l’axe x propre du solide, dans ]−90° ; 90°] ; l’axe du plus grand moment lui est perpendiculaire</translation>
    </message>
    <message>
        <source>position</source>
        <translation>position</translation>
    </message>
    <message>
        <source>of the centre of mass</source>
        <translation>du centre de masse</translation>
    </message>
    <message>
        <source>orientation</source>
        <translation>orientation</translation>
    </message>
    <message>
        <source>w, x, y, z; never normalised by the step</source>
        <translation>w, x, y, z ; jamais normalisée par le pas</translation>
    </message>
    <message>
        <source>orientation length</source>
        <translation>norme de l’orientation</translation>
    </message>
    <message>
        <source>how far the step has let the orientation grow from 1</source>
        <translation>de combien le pas a laissé l’orientation s’écarter de 1</translation>
    </message>
    <message>
        <source>angle about z</source>
        <translation>angle autour de z</translation>
    </message>
    <message>
        <source>the turn of the normalised orientation</source>
        <translation>la rotation de l’orientation normalisée</translation>
    </message>
    <message>
        <source>linear velocity</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>angular velocity</source>
        <translation>vitesse angulaire</translation>
    </message>
    <message>
        <source>ω = I⁻¹L, in the world&apos;s frame</source>
        <translation>ω = I⁻¹L, dans le repère du monde</translation>
    </message>
    <message>
        <source>linear momentum</source>
        <translation>quantité de mouvement</translation>
    </message>
    <message>
        <source>p = m·v</source>
        <translation>p = m·v</translation>
    </message>
    <message>
        <source>angular momentum</source>
        <translation>moment cinétique</translation>
    </message>
    <message>
        <source>L, about the centre of mass</source>
        <translation>L, par rapport au centre de masse</translation>
    </message>
    <message>
        <source>force</source>
        <translation>force</translation>
    </message>
    <message>
        <source>accumulated: every push adds its drag; a bounce reverses it with the momentum</source>
        <translation>cumulée : chaque poussée ajoute son tracé ; un rebond l’inverse avec la quantité de mouvement</translation>
    </message>
    <message>
        <source>torque</source>
        <translation>moment de force</translation>
    </message>
    <message>
        <source>accumulated about the centre of mass; a bounce keeps it</source>
        <translation>cumulé par rapport au centre de masse ; un rebond le conserve</translation>
    </message>
    <message>
        <source>kinetic energy</source>
        <translation>énergie cinétique</translation>
    </message>
    <message>
        <source>linear ½m·v², rotational ½ω·L, and their total</source>
        <translation>translation ½m·v², rotation ½ω·L, et leur somme</translation>
    </message>
    <message>
        <source>%1 (%2 steps)</source>
        <translation>%1 (%2 pas)</translation>
    </message>
    <message>
        <source>Copy state</source>
        <translation>Copier l’état</translation>
    </message>
    <message>
        <source>the state line, every number exact</source>
        <translation>la ligne d’état, chaque nombre exact</translation>
    </message>
</context>
<context>
    <name>LessonDock</name>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>Lesson notes</source>
        <translation>Notes de la leçon</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Retour au début</translation>
    </message>
    <message>
        <source>Puts the body as the lesson starts it</source>
        <translation>Remet le solide tel que la leçon le fait démarrer</translation>
    </message>
    <message>
        <source>Close lesson</source>
        <translation>Fermer la leçon</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Exercice %1</translation>
    </message>
    <message>
        <source>your prediction, such as 2.5</source>
        <translation>votre prédiction, par exemple 2,5</translation>
    </message>
    <message>
        <source>Prediction for task %1</source>
        <translation>Prédiction pour l’exercice %1</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Révéler</translation>
    </message>
    <message>
        <source>Runs the experiment from the lesson&apos;s start, then shows your prediction beside the outcome</source>
        <translation>Fait l’expérience depuis le début de la leçon, puis montre votre prédiction à côté du résultat</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Your prediction: %1</source>
        <translation>Votre prédiction : %1</translation>
    </message>
    <message>
        <source>The outcome: %1</source>
        <translation>Le résultat : %1</translation>
    </message>
    <message>
        <source>The difference, outcome minus prediction: %1</source>
        <translation>L’écart, résultat moins prédiction : %1</translation>
    </message>
    <message>
        <source>%1, or %2 of the outcome&apos;s size</source>
        <translation>%1, ou %2 de la grandeur du résultat</translation>
    </message>
    <message>
        <source>That is within the lesson&apos;s tolerance of %1.</source>
        <translation>C’est dans la tolérance de la leçon, %1.</translation>
    </message>
    <message>
        <source>That is more than the lesson&apos;s tolerance of %1.</source>
        <translation>C’est au-delà de la tolérance de la leçon, %1.</translation>
    </message>
    <message>
        <source>%1 is %2 at the end of the experiment.</source>
        <translation>%1 vaut %2 à la fin de l’expérience.</translation>
    </message>
    <message>
        <source>%1: %2 is %3.</source>
        <translation>%1 : %2 vaut %3.</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>The experiment gave no outcome: %1</source>
        <translation>L’expérience n’a donné aucun résultat : %1</translation>
    </message>
</context>
<context>
    <name>LessonHost</name>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Leçons</translation>
    </message>
    <message>
        <source>Open &amp;lesson…</source>
        <translation>Ouvrir une &amp;leçon…</translation>
    </message>
    <message>
        <source>Save as lesso&amp;n…</source>
        <translation>Enregistrer comme leço&amp;n…</translation>
    </message>
    <message>
        <source>&amp;Close lesson</source>
        <translation>&amp;Fermer la leçon</translation>
    </message>
    <message>
        <source>a command of the experiment was refused</source>
        <translation>une commande de l’expérience a été refusée</translation>
    </message>
    <message>
        <source>cannot write the lesson &apos;%1&apos;: %2, which a script line cannot hold</source>
        <translation>impossible d’écrire la leçon « %1 » : %2, ce qu’une ligne de script ne peut contenir</translation>
    </message>
    <message>
        <source>cannot write the lesson &apos;%1&apos;: %2</source>
        <translation>impossible d’écrire la leçon « %1 » : %2</translation>
    </message>
    <message>
        <source>the lesson &apos;%1&apos; was written, but it would not open as it is: %2</source>
        <translation>la leçon « %1 » a été écrite, mais elle ne s’ouvrirait pas telle quelle : %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Dynamique du solide</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>Inspecteur</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>%1 opens in a window of its own: the screen has no room for it beside the drawing area, which keeps its size.</source>
        <translation>%1 s’ouvre dans sa propre fenêtre : l’écran n’a pas de place pour lui à côté de la zone de dessin, qui garde sa taille.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;example</source>
        <translation>Ouvrir un &amp;exemple</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>E&amp;xport data…</source>
        <translation>E&amp;xporter les données…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Cadence</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reset layout and settings</source>
        <translation>&amp;Réinitialiser la disposition et les réglages</translation>
    </message>
    <message>
        <source>&amp;Language (from the next start)</source>
        <translation>&amp;Langue (au prochain démarrage)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Keys, units and physics</source>
        <translation>&amp;Touches, unités et physique</translation>
    </message>
    <message>
        <source>Keys, units and physics</source>
        <translation>Touches, unités et physique</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About Rigid Body Dynamics</source>
        <translation>À propos de Dynamique du solide</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Rigid Body Dynamics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;One rigid body, a flat cluster of spheres, moving under the three-dimensional rigid-body equations with a fixed explicit Euler step. Every number is computed in a fixed order, so a run is reproducible to the last bit.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Dynamique du solide&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Un solide, un amas plan de sphères, mû selon les équations tridimensionnelles du mouvement d’un solide, avec un pas d’Euler explicite fixe. Chaque nombre est calculé dans un ordre fixe, de sorte qu’une course est reproductible jusqu’au dernier bit.&lt;/p&gt;&lt;p&gt;Licence : MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Press on a disc, drag, let go</source>
        <translation>Appuyer sur un disque, tirer, relâcher</translation>
    </message>
    <message>
        <source>push: a dashed band follows the pointer; the drag in pixels, y up, is added to the force, its moment about the centre of mass to the torque; both act at every step until the body is rebuilt or coasts</source>
        <translation>poussée : une bande en pointillés suit le pointeur ; le tracé en pixels, y vers le haut, est ajouté à la force, son moment par rapport au centre de masse au moment de force ; tous deux agissent à chaque pas jusqu’à ce que le solide soit reconstruit ou passe en roue libre</translation>
    </message>
    <message>
        <source>Start/Stop button</source>
        <translation>Bouton Démarrer/Arrêter</translation>
    </message>
    <message>
        <source>run; stopping returns the body to rest</source>
        <translation>lancer ; l’arrêt remet le solide au repos</translation>
    </message>
    <message>
        <source>pause or resume a run, keeping the body as it is</source>
        <translation>mettre en pause ou reprendre une course, le solide restant tel qu’il est</translation>
    </message>
    <message>
        <source>one time step of 0.2 while halted or paused</source>
        <translation>un pas de temps de 0,2, à l’arrêt ou en pause</translation>
    </message>
    <message>
        <source>one kept step back: the body as it was then, halted; from there Ctrl+Right computes the same steps again</source>
        <translation>un pas conservé en arrière : le solide tel qu’il était alors, à l’arrêt ; de là, Ctrl+Droite recalcule les mêmes pas</translation>
    </message>
    <message>
        <source>coast: the pushes stop acting, force and torque become zero</source>
        <translation>roue libre : les poussées cessent d’agir, la force et le moment deviennent nuls</translation>
    </message>
    <message>
        <source>slower, faster: the timer&apos;s pace from 1/8 to 4; each step stays 0.2</source>
        <translation>plus lent, plus rapide : la cadence de la minuterie, de 1/8 à 4 ; chaque pas reste de 0,2</translation>
    </message>
    <message>
        <source>open a data file (or drop one on the window)</source>
        <translation>ouvrir un fichier de données (ou en déposer un sur la fenêtre)</translation>
    </message>
    <message>
        <source>reload the data file; the run stops</source>
        <translation>recharger le fichier de données ; la course s’arrête</translation>
    </message>
    <message>
        <source>save the picture as a PNG</source>
        <translation>enregistrer l’image en PNG</translation>
    </message>
    <message>
        <source>open a lesson: notes, tasks and a prepared experiment</source>
        <translation>ouvrir une leçon : notes, exercices et une expérience préparée</translation>
    </message>
    <message>
        <source>close the lesson: your own speed, overlays, panels and controls come back</source>
        <translation>fermer la leçon : votre cadence, vos superpositions, vos panneaux et vos commandes reviennent</translation>
    </message>
    <message>
        <source>the inspector: every quantity of the body</source>
        <translation>l’inspecteur : chaque grandeur du solide</translation>
    </message>
    <message>
        <source>the plots: energies, momenta and the orientation&apos;s length over time</source>
        <translation>les graphiques : énergies, quantité de mouvement, moment cinétique et norme de l’orientation au cours du temps</translation>
    </message>
    <message>
        <source>the timeline: drag it, or use its arrow keys, to go back and forth through the kept steps; pressing it pauses a run; a step, a push or coast drops the steps after the present</source>
        <translation>la ligne du temps : la faire glisser, ou utiliser ses flèches, pour parcourir les pas conservés ; appuyer dessus met une course en pause ; un pas, une poussée ou la roue libre abandonne les pas postérieurs au présent</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>the next or the previous control: Start/Stop, the density box, the drawing area (framed while it has the keys), the timeline</source>
        <translation>la commande suivante ou précédente : Démarrer/Arrêter, le champ de la masse surfacique, la zone de dessin (encadrée tant qu’elle a le clavier), la ligne du temps</translation>
    </message>
    <message>
        <source>N or ], P or [</source>
        <translation>N ou ], P ou [</translation>
    </message>
    <message>
        <source>in the drawing area: choose the next or the previous particle to push, counted from 1; the chosen disc is ringed</source>
        <translation>dans la zone de dessin : choisir la particule suivante ou précédente à pousser, comptée à partir de 1 ; le disque choisi est cerclé</translation>
    </message>
    <message>
        <source>Arrows, Shift+Arrows</source>
        <translation>Flèches, Maj+Flèches</translation>
    </message>
    <message>
        <source>in the drawing area: set the push, 1 or 10 pixels a press, shown as a dashed arrow</source>
        <translation>dans la zone de dessin : régler la poussée, 1 ou 10 pixels par appui, montrée par une flèche en pointillés</translation>
    </message>
    <message>
        <source>Enter, Escape</source>
        <translation>Entrée, Échap</translation>
    </message>
    <message>
        <source>in the drawing area: push, the same press and release a mouse makes; or cancel. A press finds a particle where it would lie unturned: once the body has turned, a dotted ring marks that place, where the push starts</source>
        <translation>dans la zone de dessin : pousser, par le même appui et le même relâchement qu’une souris ; ou annuler. Un appui trouve une particule là où elle serait sans rotation : une fois le solide tourné, un cercle pointillé marque cet endroit, où la poussée commence</translation>
    </message>
    <message>
        <source>density box</source>
        <translation>champ de la masse surfacique</translation>
    </message>
    <message>
        <source>mass per unit area; every change stops the run and rebuilds the body; a refused text is marked and the body keeps its density</source>
        <translation>masse par unité d’aire, avec un point décimal comme dans les scripts (2.5) ; chaque modification arrête la course et reconstruit le solide ; un texte refusé est signalé et le solide garde sa masse surfacique</translation>
    </message>
    <message>
        <source>From the next start the window follows the system&apos;s language.</source>
        <translation>Au prochain démarrage, la fenêtre suivra la langue du système.</translation>
    </message>
    <message>
        <source>From the next start the window is in %1.</source>
        <translation>Au prochain démarrage, la fenêtre sera en %1.</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1: %2</source>
        <translation>Les réglages ne peuvent pas être enregistrés dans %1 : %2</translation>
    </message>
    <message>
        <source>The panels, the speed, the overlays and the drawing area are back to how they first were.</source>
        <translation>Les panneaux, la cadence, les superpositions et la zone de dessin sont revenus à leur état initial.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>&amp;Centre of mass</source>
        <translation>&amp;Centre de masse</translation>
    </message>
    <message>
        <source>a cross %1 pixels to each side</source>
        <translation>une croix de %1 pixels de chaque côté</translation>
    </message>
    <message>
        <source>&amp;Velocity</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>an arrow of %1 pixels per u/tu of velocity</source>
        <translation>une flèche de %1 pixels par u/tu de vitesse</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Force</translation>
    </message>
    <message>
        <source>an arrow of %1 pixel per mu·u/tu² of force, as a push draws it</source>
        <translation>une flèche de %1 pixel par mu·u/tu² de force, comme une poussée la trace</translation>
    </message>
    <message>
        <source>&amp;Angular velocity</source>
        <translation>Vitesse &amp;angulaire</translation>
    </message>
    <message>
        <source>an arc of radius %1 pixels, counter-clockwise for a positive ωz, sweeping %2 radians per rad/tu (at most %3)</source>
        <translation>un arc de rayon %1 pixels, dans le sens antihoraire pour ωz positif, balayant %2 radians par rad/tu (au plus %3)</translation>
    </message>
    <message>
        <source>&amp;Trail</source>
        <translation>Tra&amp;jectoire</translation>
    </message>
    <message>
        <source>the centre of mass&apos;s path since the last setup, the last %1 steps</source>
        <translation>le chemin du centre de masse depuis la dernière mise en place, les %1 derniers pas</translation>
    </message>
    <message>
        <source>Body a&amp;xes</source>
        <translation>A&amp;xes du solide</translation>
    </message>
    <message>
        <source>the body&apos;s own x and y axes, %1 pixels to each side, head on the positive end: the data file&apos;s x and y, turned with the body; not its principal axes</source>
        <translation>les axes x et y propres au solide, %1 pixels de chaque côté, pointe du côté positif : les x et y du fichier de données, tournés avec le solide ; pas ses axes principaux</translation>
    </message>
    <message>
        <source>&amp;Principal axes</source>
        <translation>Axes &amp;principaux</translation>
    </message>
    <message>
        <source>the principal axes of inertia in the plane, which need not be the body&apos;s own axes: the axis of the smaller moment (the body&apos;s long direction) %1 pixels to each side, the other shorter by the square root of the moments&apos; ratio</source>
        <translation>les axes principaux d’inertie dans le plan, qui ne sont pas forcément les axes propres du solide : l’axe du plus petit moment (la direction de la longueur du solide) %1 pixels de chaque côté, l’autre plus court d’un facteur égal à la racine carrée du rapport des moments</translation>
    </message>
</context>
<context>
    <name>PlotsPanel</name>
    <message>
        <source>Kinetic energy (%1)</source>
        <translation>Énergie cinétique (%1)</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>translation</translation>
    </message>
    <message>
        <source>rotational</source>
        <translation>rotation</translation>
    </message>
    <message>
        <source>total</source>
        <translation>totale</translation>
    </message>
    <message>
        <source>Linear momentum&apos;s length |p| (%1)</source>
        <translation>Norme de la quantité de mouvement |p| (%1)</translation>
    </message>
    <message>
        <source>Angular momentum about z, Lz (%1)</source>
        <translation>Moment cinétique selon z, Lz (%1)</translation>
    </message>
    <message>
        <source>Orientation&apos;s length |q|, never normalised</source>
        <translation>Norme de l’orientation |q|, jamais normalisée</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>échelle log.</translation>
    </message>
    <message>
        <source>time (%1)</source>
        <translation>temps (%1)</translation>
    </message>
</context>
<context>
    <name>SessionRecorder</name>
    <message>
        <source>%1, which a script line cannot hold</source>
        <translation>%1, ce qu’une ligne de script ne peut contenir</translation>
    </message>
    <message>
        <source>recording to &apos;%1&apos; stopped: %2; the file holds the session up to here</source>
        <translation>l’enregistrement dans « %1 » s’est arrêté : %2 ; le fichier contient la session jusqu’ici</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Running</source>
        <translation>En marche</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>Bloqué</translation>
    </message>
    <message>
        <source>At rest</source>
        <translation>Au repos</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>t = %1 %2 (%3)</source>
        <translation>t = %1 %2 (%3)</translation>
    </message>
    <message>
        <source>step %1 of %2 kept</source>
        <translation>pas %1 sur %2 conservés</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>speed %1×</source>
        <translation>cadence %1×</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Dynamique du solide</translation>
    </message>
    <message>
        <source>Open another data file (File, Open, or Ctrl+O), or start the program with --data FILE.</source>
        <translation>Ouvrez un autre fichier de données (Fichier, Ouvrir, ou Ctrl+O), ou lancez le programme avec --data FICHIER.</translation>
    </message>
    <message>
        <source>Press on a blue disc and drag: letting go pushes the body. Start/Stop runs it.</source>
        <translation>Appuyez sur un disque bleu et tirez : relâcher pousse le solide. Démarrer/Arrêter le met en marche.</translation>
    </message>
    <message>
        <source>density = </source>
        <translation>masse surfacique = </translation>
    </message>
    <message>
        <source>Start/Stop</source>
        <translation>Démarrer/Arrêter</translation>
    </message>
    <message>
        <source>Mass per unit area, with a decimal point as scripts write it: 2.5</source>
        <translation>Masse par unité d’aire, avec un point décimal comme l’écrivent les scripts : 2.5</translation>
    </message>
    <message>
        <source>density</source>
        <translation>masse surfacique</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>impossible d’écrire l’image « %1 » : %2</translation>
    </message>
    <message>
        <source>%1; the body keeps density %2</source>
        <translation>%1 ; le solide garde la masse surfacique %2</translation>
    </message>
    <message>
        <source>The run goes on: Start/Stop stops it by rebuilding the body, and %1. Correct the density, or pause with Space.</source>
        <translation>La course continue : Démarrer/Arrêter l’arrête en reconstruisant le solide, et %1. Corrigez la masse surfacique, ou mettez en pause avec Espace.</translation>
    </message>
    <message>
        <source>%1 was not opened: its body would be built with the density in the box, and %2.</source>
        <translation>%1 n’a pas été ouvert : son solide serait construit avec la masse surfacique du champ, et %2.</translation>
    </message>
    <message>
        <source>Not done: the body would be rebuilt with the density in the box, and %1.</source>
        <translation>Non fait : le solide serait reconstruit avec la masse surfacique du champ, et %1.</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Time&amp;line</source>
        <translation>Ligne du &amp;temps</translation>
    </message>
    <message>
        <source>Step &amp;back</source>
        <translation>Pas en &amp;arrière</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Ligne du temps</translation>
    </message>
    <message>
        <source>step %1 of %2, %3</source>
        <translation>pas %1 sur %2, %3</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Kept: steps %1 to %2</source>
        <translation>Conservés : pas %1 à %2</translation>
    </message>
    <message>
        <source>step %1, %2</source>
        <translation>pas %1, %2</translation>
    </message>
</context>
</TS>
