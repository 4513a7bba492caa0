<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Application</name>
    <message>
        <source>Out of memory: the last action was not completed.</source>
        <translation>Sin memoria: la última acción no se completó.</translation>
    </message>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Dinámica del sólido rígido</translation>
    </message>
</context>
<context>
    <name>AreaDescription</name>
    <message>
        <source>drawing area</source>
        <translation>área de dibujo</translation>
    </message>
</context>
<context>
    <name>CsvRecorder</name>
    <message>
        <source>the data file &apos;%1&apos; stopped at step %2: %3; it holds every row up to there</source>
        <translation>el archivo de datos «%1» se detuvo en el paso %2: %3; contiene todas las filas hasta ahí</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>inferior</translation>
    </message>
    <message>
        <source>top</source>
        <translation>superior</translation>
    </message>
    <message>
        <source>Running, time %1.</source>
        <translation>En marcha, tiempo %1.</translation>
    </message>
    <message>
        <source>Paused at time %1, back in the kept run.</source>
        <translation>En pausa en el tiempo %1, atrás en la marcha guardada.</translation>
    </message>
    <message>
        <source>Paused at time %1.</source>
        <translation>En pausa en el tiempo %1.</translation>
    </message>
    <message>
        <source>At rest.</source>
        <translation>En reposo.</translation>
    </message>
    <message>
        <source>The body is at (%1, %2), not moving.</source>
        <translation>El cuerpo está en (%1; %2), sin moverse.</translation>
    </message>
    <message>
        <source>The body is at (%1, %2), moving %3 at %4 units per time unit.</source>
        <translation>El cuerpo está en (%1; %2) y se mueve %3 a %4 unidades de longitud por unidad de tiempo.</translation>
    </message>
    <message>
        <source>counter-clockwise</source>
        <translation>en sentido antihorario</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>en sentido horario</translation>
    </message>
    <message>
        <source>It does not turn.</source>
        <translation>No gira.</translation>
    </message>
    <message>
        <source>It turns %1, once every %2 time units.</source>
        <translation>Gira %1, una vuelta cada %2 unidades de tiempo.</translation>
    </message>
    <message>
        <source>It is outside the drawing area, %1 units beyond the %2 wall.</source>
        <translation>Está fuera del área de dibujo, %1 unidades más allá de la pared %2.</translation>
    </message>
    <message>
        <source>The nearest wall is the %1 one, %2 units away.</source>
        <translation>La pared más cercana es la %1, a %2 unidades.</translation>
    </message>
    <message>
        <source>The wall ahead is the %1 one, %2 units away.</source>
        <translation>La pared que tiene delante es la %1, a %2 unidades.</translation>
    </message>
    <message>
        <source>to the right</source>
        <translation>hacia la derecha</translation>
    </message>
    <message>
        <source>up and to the right</source>
        <translation>hacia arriba y a la derecha</translation>
    </message>
    <message>
        <source>up</source>
        <translation>hacia arriba</translation>
    </message>
    <message>
        <source>up and to the left</source>
        <translation>hacia arriba y a la izquierda</translation>
    </message>
    <message>
        <source>to the left</source>
        <translation>hacia la izquierda</translation>
    </message>
    <message>
        <source>down and to the left</source>
        <translation>hacia abajo y a la izquierda</translation>
    </message>
    <message>
        <source>down</source>
        <translation>hacia abajo</translation>
    </message>
    <message>
        <source>down and to the right</source>
        <translation>hacia abajo y a la derecha</translation>
    </message>
    <message>
        <source>There is no body: its data file was refused.</source>
        <translation>No hay cuerpo: su archivo de datos fue rechazado.</translation>
    </message>
    <message>
        <source>A force of %1 pushes it %2.</source>
        <translation>Una fuerza de %1 lo empuja %2.</translation>
    </message>
    <message>
        <source>A torque of %1 turns it %2.</source>
        <translation>Un momento de fuerza de %1 lo hace girar %2.</translation>
    </message>
    <message>
        <source>Particle %1 of %2; the push goes %3 pixels %4 and %5 pixels %6. Enter pushes, Escape cancels.</source>
        <translation>Partícula %1 de %2; el empuje va %3 píxeles %4 y %5 píxeles %6. Intro empuja, Escape cancela.</translation>
    </message>
    <message>
        <source>Particle %1 lies under particle %2 where a press finds it: it cannot be pushed.</source>
        <translation>La partícula %1 está debajo de la partícula %2 donde una pulsación la encuentra: no se puede empujar.</translation>
    </message>
    <message>
        <source>Particle %1 lies outside the drawing area: it cannot be pushed now.</source>
        <translation>La partícula %1 está fuera del área de dibujo: ahora no se puede empujar.</translation>
    </message>
    <message>
        <source>Particle %1 is too small for a press to find: it cannot be pushed.</source>
        <translation>La partícula %1 es demasiado pequeña para que una pulsación la encuentre: no se puede empujar.</translation>
    </message>
    <message>
        <source>No particle is chosen: N chooses one.</source>
        <translation>No hay ninguna partícula elegida: N elige una.</translation>
    </message>
    <message>
        <source>There is no particle to push.</source>
        <translation>No hay ninguna partícula que empujar.</translation>
    </message>
    <message>
        <source>The push is cancelled.</source>
        <translation>El empuje se ha cancelado.</translation>
    </message>
    <message>
        <source>Pushed particle %1 with no force: released where the push starts.</source>
        <translation>Partícula %1 empujada sin fuerza: soltada donde empieza el empuje.</translation>
    </message>
    <message>
        <source>Pushed particle %1 with a force of %2 pointing %3.</source>
        <translation>Partícula %1 empujada con una fuerza de %2 dirigida %3.</translation>
    </message>
    <message>
        <source>Coasting: no force or torque acts any more.</source>
        <translation>Vuelo libre: ya no actúa ninguna fuerza ni ningún momento.</translation>
    </message>
    <message>
        <source>It bounced off the %1 and %2 walls.</source>
        <translation>Rebotó en la pared %1 y en la pared %2.</translation>
    </message>
    <message>
        <source>It bounced off the %1 wall.</source>
        <translation>Rebotó en la pared %1.</translation>
    </message>
    <message>
        <source>The density %1 is refused; the body keeps density %2.</source>
        <translation>La densidad superficial %1 se rechaza; el cuerpo conserva la densidad superficial %2.</translation>
    </message>
    <message>
        <source>The data file is refused; the body stays as it was.</source>
        <translation>El archivo de datos se rechaza; el cuerpo queda como estaba.</translation>
    </message>
    <message>
        <source>Step %1 is not kept.</source>
        <translation>El paso %1 no está guardado.</translation>
    </message>
    <message>
        <source>Step %1 could not be taken: its numbers would not be finite. The body stays as it was.</source>
        <translation>No se pudo dar el paso %1: sus números no serían finitos. El cuerpo queda como estaba.</translation>
    </message>
</context>
<context>
    <name>DesktopActions</name>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Re&amp;cargar</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
    <message>
        <source>&amp;Start/Stop</source>
        <translation>&amp;Iniciar/Detener</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume</source>
        <translation>&amp;Pausa/Reanudar</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Pa&amp;so</translation>
    </message>
    <message>
        <source>&amp;Coast</source>
        <translation>Vuelo &amp;libre</translation>
    </message>
    <message>
        <source>The pushes stop acting: force and torque become zero, the motion goes on</source>
        <translation>Los empujes dejan de actuar: la fuerza y el momento pasan a ser cero, el movimiento continúa</translation>
    </message>
    <message>
        <source>S&amp;lower</source>
        <translation>Más &amp;lento</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>Más &amp;rápido</translation>
    </message>
</context>
<context>
    <name>ExampleBodies</name>
    <message>
        <source>Rod</source>
        <translation>Varilla</translation>
    </message>
    <message>
        <source>Dumbbell</source>
        <translation>Mancuerna</translation>
    </message>
    <message>
        <source>L shape</source>
        <translation>Forma de L</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anillo</translation>
    </message>
    <message>
        <source>Irregular blob</source>
        <translation>Mancha irregular</translation>
    </message>
    <message>
        <source>%1 (in %2)</source>
        <translation>%1 (en %2)</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Open a data file</source>
        <translation>Abrir un archivo de datos</translation>
    </message>
    <message>
        <source>Data files (*.txt);;All files (*)</source>
        <translation>Archivos de datos (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the picture</source>
        <translation>Guardar la imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Export the data since the last setup</source>
        <translation>Exportar los datos desde la última preparación</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Abrir una lección</translation>
    </message>
    <message>
        <source>Lessons (*.toml);;All files (*)</source>
        <translation>Lecciones (*.toml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save the session as a lesson</source>
        <translation>Guardar la sesión como lección</translation>
    </message>
    <message>
        <source>Lessons (*.toml)</source>
        <translation>Lecciones (*.toml)</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Units.&lt;/b&gt; Lengths are in world units, &lt;b&gt;%1&lt;/b&gt;: a particle&apos;s radius is 1 %1, drawn 4 pixels per %1. Time is in time units, &lt;b&gt;%2&lt;/b&gt;: one step is 0.2 %2, and the timer ticks 20 steps a second at speed 1. Mass, &lt;b&gt;%3&lt;/b&gt;, is the density (%4) times the discs&apos; area: a particle weighs π %3 at density 1. Force is in %5: a push adds its drag in pixels, y up, as that many units of force. Hence velocity in %6, momentum in %7, angular momentum in %8, torque in %9, energy in %10 and moments of inertia in %11; angles in degrees. The inspector, the plots and the overlays all use these.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Unidades.&lt;/b&gt; Las longitudes están en unidades del mundo, &lt;b&gt;%1&lt;/b&gt;: una partícula tiene radio 1 %1 y se dibuja a 4 píxeles por %1. El tiempo está en unidades de tiempo, &lt;b&gt;%2&lt;/b&gt;: un paso dura 0,2 %2, y a ritmo 1 el temporizador marca 20 pasos por segundo. La masa, &lt;b&gt;%3&lt;/b&gt;, es la densidad superficial (%4) por el área de los discos: con densidad superficial 1, una partícula pesa π %3. Las fuerzas están en %5: un empuje suma su arrastre en píxeles, y hacia arriba, como otras tantas unidades de fuerza. De ahí la velocidad en %6, el momento lineal en %7, el momento angular en %8, el momento de fuerza en %9, la energía en %10 y los momentos de inercia en %11; los ángulos en grados. El inspector, las gráficas y las superposiciones usan todas estas unidades.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;A bounce.&lt;/b&gt; The walls test only the centre of mass: while it lies outside the drawing area, at every step, the linear momentum and the force both turn round. So half the body is drawn past the edge before it comes back, and the torque and the angular momentum are kept: the body spins on as it turns.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Why the energy grows under a push.&lt;/b&gt; A push never stops acting: its force is added to the body for good. A bounce reverses the force together with the momentum, so the force still points the way the body moves and keeps doing work on it: the kinetic energy passes a bounce smoothly and goes on growing, and the torque keeps spinning the body faster. The step never normalises the orientation, so its length grows too, faster the faster the body turns; a step that would carry it beyond the range of numbers is not taken, and the run halts with a note saying why.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Coasting&lt;/b&gt; (Simulation ▸ Coast) sets the force and the torque to zero: the body then flies free, and its kinetic energy, linear and rotational, stays as it is, bounces included. Compare the plots before and after.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Un rebote.&lt;/b&gt; Las paredes solo comprueban el centro de masas: mientras está fuera del área de dibujo, en cada paso, el momento lineal y la fuerza se invierten ambos. Por eso el cuerpo se dibuja a medias más allá del borde antes de volver, y el momento de fuerza y el momento angular se conservan: el cuerpo sigue girando mientras da la vuelta.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Por qué crece la energía bajo un empuje.&lt;/b&gt; Un empuje nunca deja de actuar: su fuerza se suma al cuerpo para siempre. Un rebote invierte la fuerza junto con el momento lineal, así que la fuerza sigue apuntando en el sentido del movimiento y sigue realizando trabajo sobre él: la energía cinética pasa un rebote sin saltos y sigue creciendo, y el momento de fuerza hace girar el cuerpo cada vez más deprisa. El paso nunca normaliza la orientación, así que su módulo también crece, tanto más deprisa cuanto más deprisa gira el cuerpo; un paso que lo llevaría fuera del rango de los números no se da, y la marcha se detiene con una nota que explica por qué.&lt;/p&gt;&lt;p&gt;&lt;b&gt;El vuelo libre&lt;/b&gt; (Simulación ▸ Vuelo libre) pone a cero la fuerza y el momento de fuerza: el cuerpo vuela entonces libre, y su energía cinética, de traslación y de rotación, se mantiene, rebotes incluidos. Compare las gráficas de antes y de después.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Overlays&lt;/b&gt; (View menu), drawn over the picture:&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Superposiciones&lt;/b&gt; (menú Ver), dibujadas sobre la imagen:&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InspectorPanel</name>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>simulated time, and the steps of 0.2 since the last setup</source>
        <translation>tiempo simulado y los pasos de 0,2 desde la última preparación</translation>
    </message>
    <message>
        <source>total mass</source>
        <translation>masa total</translation>
    </message>
    <message>
        <source>density × the discs&apos; area</source>
        <translation>densidad superficial × área de los discos</translation>
    </message>
    <message>
        <source>body inertia</source>
        <translation>tensor de inercia</translation>
    </message>
    <message>
        <source>about the centre of mass, in the body&apos;s own frame, whose x and y are the data file&apos;s</source>
        <translation>respecto al centro de masas, en el sistema propio del cuerpo, cuyos x e y son los del archivo de datos</translation>
    </message>
    <message>
        <source>principal moments</source>
        <translation>momentos principales</translation>
    </message>
    <message>
        <source>the smaller and the larger moment in the plane, and the moment about z</source>
        <translation>el momento menor y el mayor en el plano, y el momento respecto a z</translation>
    </message>
    <message>
        <source>principal axis</source>
        <translation>eje principal</translation>
    </message>
    <message>
        <source>the smaller moment&apos;s axis, counter-clockwise from the body&apos;s own x axis, in (−90°, 90°]; the larger moment&apos;s axis lies at right angles to it</source>
        <translation>el eje del momento menor, en sentido antihorario desde el eje x propio del cuerpo, en (−90°, 90°]; el eje del momento mayor es perpendicular a él</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posición</translation>
    </message>
    <message>
        <source>of the centre of mass</source>
        <translation>del centro de masas</translation>
    </message>
    <message>
        <source>orientation</source>
        <translation>orientación</translation>
    </message>
    <message>
        <source>w, x, y, z; never normalised by the step</source>
        <translation>w, x, y, z; el paso nunca la normaliza</translation>
    </message>
    <message>
        <source>orientation length</source>
        <translation>módulo de la orientación</translation>
    </message>
    <message>
        <source>how far the step has let the orientation grow from 1</source>
        <translation>cuánto ha dejado crecer el paso la orientación desde 1</translation>
    </message>
    <message>
        <source>angle about z</source>
        <translation>ángulo respecto a z</translation>
    </message>
    <message>
        <source>the turn of the normalised orientation</source>
        <translation>el giro de la orientación normalizada</translation>
    </message>
    <message>
        <source>linear velocity</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>angular velocity</source>
        <translation>velocidad angular</translation>
    </message>
    <message>
        <source>ω = I⁻¹L, in the world&apos;s frame</source>
        <translation>ω = I⁻¹L, en el sistema del mundo</translation>
    </message>
    <message>
        <source>linear momentum</source>
        <translation>momento lineal</translation>
    </message>
    <message>
        <source>p = m·v</source>
        <translation>p = m·v</translation>
    </message>
    <message>
        <source>angular momentum</source>
        <translation>momento angular</translation>
    </message>
    <message>
        <source>L, about the centre of mass</source>
        <translation>L, respecto al centro de masas</translation>
    </message>
    <message>
        <source>force</source>
        <translation>fuerza</translation>
    </message>
    <message>
        <source>accumulated: every push adds its drag; a bounce reverses it with the momentum</source>
        <translation>acumulada: cada empuje suma su arrastre; un rebote la invierte junto con el momento lineal</translation>
    </message>
    <message>
        <source>torque</source>
        <translation>momento de fuerza</translation>
    </message>
    <message>
        <source>accumulated about the centre of mass; a bounce keeps it</source>
        <translation>acumulado respecto al centro de masas; un rebote lo conserva</translation>
    </message>
    <message>
        <source>kinetic energy</source>
        <translation>energía cinética</translation>
    </message>
    <message>
        <source>linear ½m·v², rotational ½ω·L, and their total</source>
        <translation>de traslación ½m·v², de rotación ½ω·L, y su suma</translation>
    </message>
    <message>
        <source>%1 (%2 steps)</source>
        <translation>%1 (%2 pasos)</translation>
    </message>
    <message>
        <source>Copy state</source>
        <translation>Copiar estado</translation>
    </message>
    <message>
        <source>the state line, every number exact</source>
        <translation>la línea de estado, cada número exacto</translation>
    </message>
</context>
<context>
    <name>LessonDock</name>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>Lesson notes</source>
        <translation>Notas de la lección</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Volver al inicio</translation>
    </message>
    <message>
        <source>Puts the body as the lesson starts it</source>
        <translation>Deja el cuerpo como lo pone la lección al empezar</translation>
    </message>
    <message>
        <source>Close lesson</source>
        <translation>Cerrar lección</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tarea %1</translation>
    </message>
    <message>
        <source>your prediction, such as 2.5</source>
        <translation>su predicción, por ejemplo 2,5</translation>
    </message>
    <message>
        <source>Prediction for task %1</source>
        <translation>Predicción para la tarea %1</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Revelar</translation>
    </message>
    <message>
        <source>Runs the experiment from the lesson&apos;s start, then shows your prediction beside the outcome</source>
        <translation>Realiza el experimento desde el inicio de la lección y luego muestra su predicción junto al resultado</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Your prediction: %1</source>
        <translation>Su predicción: %1</translation>
    </message>
    <message>
        <source>The outcome: %1</source>
        <translation>El resultado: %1</translation>
    </message>
    <message>
        <source>The difference, outcome minus prediction: %1</source>
        <translation>La diferencia, resultado menos predicción: %1</translation>
    </message>
    <message>
        <source>%1, or %2 of the outcome&apos;s size</source>
        <translation>%1, o %2 del tamaño del resultado</translation>
    </message>
    <message>
        <source>That is within the lesson&apos;s tolerance of %1.</source>
        <translation>Está dentro de la tolerancia de la lección, %1.</translation>
    </message>
    <message>
        <source>That is more than the lesson&apos;s tolerance of %1.</source>
        <translation>Supera la tolerancia de la lección, %1.</translation>
    </message>
    <message>
        <source>%1 is %2 at the end of the experiment.</source>
        <translation>%1 es %2 al final del experimento.</translation>
    </message>
    <message>
        <source>%1: %2 is %3.</source>
        <translation>%1: %2 es %3.</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>The experiment gave no outcome: %1</source>
        <translation>El experimento no dio ningún resultado: %1</translation>
    </message>
</context>
<context>
    <name>LessonHost</name>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lecciones</translation>
    </message>
    <message>
        <source>Open &amp;lesson…</source>
        <translation>Abrir &amp;lección…</translation>
    </message>
    <message>
        <source>Save as lesso&amp;n…</source>
        <translation>Guardar como lecció&amp;n…</translation>
    </message>
    <message>
        <source>&amp;Close lesson</source>
        <translation>Cerrar lecci&amp;ón</translation>
    </message>
    <message>
        <source>a command of the experiment was refused</source>
        <translation>se rechazó una orden del experimento</translation>
    </message>
    <message>
        <source>cannot write the lesson &apos;%1&apos;: %2, which a script line cannot hold</source>
        <translation>no se puede escribir la lección «%1»: %2, que una línea de script no puede contener</translation>
    </message>
    <message>
        <source>cannot write the lesson &apos;%1&apos;: %2</source>
        <translation>no se puede escribir la lección «%1»: %2</translation>
    </message>
    <message>
        <source>the lesson &apos;%1&apos; was written, but it would not open as it is: %2</source>
        <translation>la lección «%1» se escribió, pero no se abriría tal como está: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Dinámica del sólido rígido</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>Inspector</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Gráficas</translation>
    </message>
    <message>
        <source>%1 opens in a window of its own: the screen has no room for it beside the drawing area, which keeps its size.</source>
        <translation>%1 se abre en una ventana propia: la pantalla no tiene sitio para él junto al área de dibujo, que conserva su tamaño.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;example</source>
        <translation>Abrir un &amp;ejemplo</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>E&amp;xport data…</source>
        <translation>E&amp;xportar datos…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulación</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Ritmo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reset layout and settings</source>
        <translation>R&amp;establecer disposición y ajustes</translation>
    </message>
    <message>
        <source>&amp;Language (from the next start)</source>
        <translation>&amp;Idioma (desde el próximo inicio)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Keys, units and physics</source>
        <translation>&amp;Teclas, unidades y física</translation>
    </message>
    <message>
        <source>Keys, units and physics</source>
        <translation>Teclas, unidades y física</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>About Rigid Body Dynamics</source>
        <translation>Acerca de Dinámica del sólido rígido</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Rigid Body Dynamics&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;One rigid body, a flat cluster of spheres, moving under the three-dimensional rigid-body equations with a fixed explicit Euler step. Every number is computed in a fixed order, so a run is reproducible to the last bit.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Dinámica del sólido rígido&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Un sólido rígido, un grupo plano de esferas, que se mueve según las ecuaciones tridimensionales del sólido rígido con un paso de Euler explícito fijo. Cada número se calcula en un orden fijo, así que una marcha es reproducible hasta el último bit.&lt;/p&gt;&lt;p&gt;Licencia: MIT.&lt;/p&gt;</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Press on a disc, drag, let go</source>
        <translation>Pulsar sobre un disco, arrastrar, soltar</translation>
    </message>
    <message>
        <source>push: a dashed band follows the pointer; the drag in pixels, y up, is added to the force, its moment about the centre of mass to the torque; both act at every step until the body is rebuilt or coasts</source>
        <translation>empuje: una banda discontinua sigue al puntero; el arrastre en píxeles, y hacia arriba, se suma a la fuerza, y su momento respecto al centro de masas al momento de fuerza; ambos actúan en cada paso hasta que el cuerpo se reconstruye o pasa a vuelo libre</translation>
    </message>
    <message>
        <source>Start/Stop button</source>
        <translation>Botón Iniciar/Detener</translation>
    </message>
    <message>
        <source>run; stopping returns the body to rest</source>
        <translation>poner en marcha; detener devuelve el cuerpo al reposo</translation>
    </message>
    <message>
        <source>pause or resume a run, keeping the body as it is</source>
        <translation>pausar o reanudar una marcha, dejando el cuerpo como está</translation>
    </message>
    <message>
        <source>one time step of 0.2 while halted or paused</source>
        <translation>un paso de tiempo de 0,2, estando detenido o en pausa</translation>
    </message>
    <message>
        <source>one kept step back: the body as it was then, halted; from there Ctrl+Right computes the same steps again</source>
        <translation>un paso guardado atrás: el cuerpo como estaba entonces, detenido; desde ahí Ctrl+Derecha vuelve a calcular los mismos pasos</translation>
    </message>
    <message>
        <source>coast: the pushes stop acting, force and torque become zero</source>
        <translation>vuelo libre: los empujes dejan de actuar, la fuerza y el momento pasan a ser cero</translation>
    </message>
    <message>
        <source>slower, faster: the timer&apos;s pace from 1/8 to 4; each step stays 0.2</source>
        <translation>más lento, más rápido: el ritmo del temporizador, de 1/8 a 4; cada paso sigue siendo 0,2</translation>
    </message>
    <message>
        <source>open a data file (or drop one on the window)</source>
        <translation>abrir un archivo de datos (o soltar uno sobre la ventana)</translation>
    </message>
    <message>
        <source>reload the data file; the run stops</source>
        <translation>recargar el archivo de datos; la marcha se detiene</translation>
    </message>
    <message>
        <source>save the picture as a PNG</source>
        <translation>guardar la imagen como PNG</translation>
    </message>
    <message>
        <source>open a lesson: notes, tasks and a prepared experiment</source>
        <translation>abrir una lección: notas, tareas y un experimento preparado</translation>
    </message>
    <message>
        <source>close the lesson: your own speed, overlays, panels and controls come back</source>
        <translation>cerrar la lección: vuelven su ritmo, sus superposiciones, sus paneles y sus controles</translation>
    </message>
    <message>
        <source>the inspector: every quantity of the body</source>
        <translation>el inspector: todas las magnitudes del cuerpo</translation>
    </message>
    <message>
        <source>the plots: energies, momenta and the orientation&apos;s length over time</source>
        <translation>las gráficas: energías, momentos lineal y angular y el módulo de la orientación a lo largo del tiempo</translation>
    </message>
    <message>
        <source>the timeline: drag it, or use its arrow keys, to go back and forth through the kept steps; pressing it pauses a run; a step, a push or coast drops the steps after the present</source>
        <translation>la línea de tiempo: arrástrela, o use sus teclas de flecha, para recorrer los pasos guardados; pulsarla pausa una marcha; un paso, un empuje o el vuelo libre descarta los pasos posteriores al presente</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>the next or the previous control: Start/Stop, the density box, the drawing area (framed while it has the keys), the timeline</source>
        <translation>el control siguiente o el anterior: Iniciar/Detener, la casilla de la densidad superficial, el área de dibujo (enmarcada mientras tiene el teclado), la línea de tiempo</translation>
    </message>
    <message>
        <source>N or ], P or [</source>
        <translation>N o ], P o [</translation>
    </message>
    <message>
        <source>in the drawing area: choose the next or the previous particle to push, counted from 1; the chosen disc is ringed</source>
        <translation>en el área de dibujo: elegir la partícula siguiente o la anterior para empujar, contando desde 1; el disco elegido queda rodeado por un anillo</translation>
    </message>
    <message>
        <source>Arrows, Shift+Arrows</source>
        <translation>Flechas, Mayús+Flechas</translation>
    </message>
    <message>
        <source>in the drawing area: set the push, 1 or 10 pixels a press, shown as a dashed arrow</source>
        <translation>en el área de dibujo: ajustar el empuje, 1 o 10 píxeles por pulsación, mostrado como una flecha discontinua</translation>
    </message>
    <message>
        <source>Enter, Escape</source>
        <translation>Intro, Escape</translation>
    </message>
    <message>
        <source>in the drawing area: push, the same press and release a mouse makes; or cancel. A press finds a particle where it would lie unturned: once the body has turned, a dotted ring marks that place, where the push starts</source>
        <translation>en el área de dibujo: empujar, con la misma pulsación y liberación que hace un ratón; o cancelar. Una pulsación encuentra una partícula donde estaría sin girar: una vez que el cuerpo ha girado, un anillo punteado marca ese lugar, donde empieza el empuje</translation>
    </message>
    <message>
        <source>density box</source>
        <translation>casilla de la densidad superficial</translation>
    </message>
    <message>
        <source>mass per unit area; every change stops the run and rebuilds the body; a refused text is marked and the body keeps its density</source>
        <translation>masa por unidad de área, con punto decimal como en los scripts (2.5); cada cambio detiene la marcha y reconstruye el cuerpo; un texto rechazado se marca y el cuerpo conserva su densidad superficial</translation>
    </message>
    <message>
        <source>From the next start the window follows the system&apos;s language.</source>
        <translation>Desde el próximo inicio, la ventana seguirá el idioma del sistema.</translation>
    </message>
    <message>
        <source>From the next start the window is in %1.</source>
        <translation>Desde el próximo inicio, la ventana estará en %1.</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1: %2</source>
        <translation>Los ajustes no se pueden guardar en %1: %2</translation>
    </message>
    <message>
        <source>The panels, the speed, the overlays and the drawing area are back to how they first were.</source>
        <translation>Los paneles, el ritmo, las superposiciones y el área de dibujo han vuelto a su estado inicial.</translation>
    </message>
</context>
<context>
    <name>Overlay</name>
    <message>
        <source>&amp;Centre of mass</source>
        <translation>&amp;Centro de masas</translation>
    </message>
    <message>
        <source>a cross %1 pixels to each side</source>
        <translation>una cruz de %1 píxeles a cada lado</translation>
    </message>
    <message>
        <source>&amp;Velocity</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>an arrow of %1 pixels per u/tu of velocity</source>
        <translation>una flecha de %1 píxeles por u/tu de velocidad</translation>
    </message>
    <message>
        <source>&amp;Force</source>
        <translation>&amp;Fuerza</translation>
    </message>
    <message>
        <source>an arrow of %1 pixel per mu·u/tu² of force, as a push draws it</source>
        <translation>una flecha de %1 píxel por mu·u/tu² de fuerza, como la dibuja un empuje</translation>
    </message>
    <message>
        <source>&amp;Angular velocity</source>
        <translation>Velocidad &amp;angular</translation>
    </message>
    <message>
        <source>an arc of radius %1 pixels, counter-clockwise for a positive ωz, sweeping %2 radians per rad/tu (at most %3)</source>
        <translation>un arco de radio %1 píxeles, en sentido antihorario para ωz positiva, que barre %2 radianes por rad/tu (como mucho %3)</translation>
    </message>
    <message>
        <source>&amp;Trail</source>
        <translation>T&amp;rayectoria</translation>
    </message>
    <message>
        <source>the centre of mass&apos;s path since the last setup, the last %1 steps</source>
        <translation>el recorrido del centro de masas desde la última preparación, los últimos %1 pasos</translation>
    </message>
    <message>
        <source>Body a&amp;xes</source>
        <translation>E&amp;jes del cuerpo</translation>
    </message>
    <message>
        <source>the body&apos;s own x and y axes, %1 pixels to each side, head on the positive end: the data file&apos;s x and y, turned with the body; not its principal axes</source>
        <translation>los ejes x e y propios del cuerpo, %1 píxeles a cada lado, con la punta en el extremo positivo: los x e y del archivo de datos, girados con el cuerpo; no sus ejes principales</translation>
    </message>
    <message>
        <source>&amp;Principal axes</source>
        <translation>Ejes &amp;principales</translation>
    </message>
    <message>
        <source>the principal axes of inertia in the plane, which need not be the body&apos;s own axes: the axis of the smaller moment (the body&apos;s long direction) %1 pixels to each side, the other shorter by the square root of the moments&apos; ratio</source>
        <translation>los ejes principales de inercia en el plano, que no tienen por qué ser los ejes propios del cuerpo: el eje del momento menor (la dirección larga del cuerpo) %1 píxeles a cada lado, el otro más corto en la raíz cuadrada del cociente de los momentos</translation>
    </message>
</context>
<context>
    <name>PlotsPanel</name>
    <message>
        <source>Kinetic energy (%1)</source>
        <translation>Energía cinética (%1)</translation>
    </message>
    <message>
        <source>linear</source>
        <translation>traslación</translation>
    </message>
    <message>
        <source>rotational</source>
        <translation>rotación</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Linear momentum&apos;s length |p| (%1)</source>
        <translation>Módulo del momento lineal |p| (%1)</translation>
    </message>
    <message>
        <source>Angular momentum about z, Lz (%1)</source>
        <translation>Momento angular respecto a z, Lz (%1)</translation>
    </message>
    <message>
        <source>Orientation&apos;s length |q|, never normalised</source>
        <translation>Módulo de la orientación |q|, nunca normalizada</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>escala log.</translation>
    </message>
    <message>
        <source>time (%1)</source>
        <translation>tiempo (%1)</translation>
    </message>
</context>
<context>
    <name>SessionRecorder</name>
    <message>
        <source>%1, which a script line cannot hold</source>
        <translation>%1, que una línea de script no puede contener</translation>
    </message>
    <message>
        <source>recording to &apos;%1&apos; stopped: %2; the file holds the session up to here</source>
        <translation>la grabación en «%1» se detuvo: %2; el archivo contiene la sesión hasta aquí</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Halted</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>At rest</source>
        <translation>En reposo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>t = %1 %2 (%3)</source>
        <translation>t = %1 %2 (%3)</translation>
    </message>
    <message>
        <source>step %1 of %2 kept</source>
        <translation>paso %1 de %2 guardados</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pasos</translation>
    </message>
    <message>
        <source>speed %1×</source>
        <translation>ritmo %1×</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Rigid Body Dynamics</source>
        <translation>Dinámica del sólido rígido</translation>
    </message>
    <message>
        <source>Open another data file (File, Open, or Ctrl+O), or start the program with --data FILE.</source>
        <translation>Abra otro archivo de datos (Archivo, Abrir, o Ctrl+O), o inicie el programa con --data ARCHIVO.</translation>
    </message>
    <message>
        <source>Press on a blue disc and drag: letting go pushes the body. Start/Stop runs it.</source>
        <translation>Pulse sobre un disco azul y arrastre: al soltar se empuja el cuerpo. Iniciar/Detener lo pone en marcha.</translation>
    </message>
    <message>
        <source>density = </source>
        <translation>densidad superficial = </translation>
    </message>
    <message>
        <source>Start/Stop</source>
        <translation>Iniciar/Detener</translation>
    </message>
    <message>
        <source>Mass per unit area, with a decimal point as scripts write it: 2.5</source>
        <translation>Masa por unidad de área, con punto decimal como la escriben los scripts: 2.5</translation>
    </message>
    <message>
        <source>density</source>
        <translation>densidad superficial</translation>
    </message>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>no se puede escribir la imagen «%1»: %2</translation>
    </message>
    <message>
        <source>%1; the body keeps density %2</source>
        <translation>%1; el cuerpo conserva la densidad superficial %2</translation>
    </message>
    <message>
        <source>The run goes on: Start/Stop stops it by rebuilding the body, and %1. Correct the density, or pause with Space.</source>
        <translation>La marcha continúa: Iniciar/Detener la detiene reconstruyendo el cuerpo, y %1. Corrija la densidad superficial, o pause con Espacio.</translation>
    </message>
    <message>
        <source>%1 was not opened: its body would be built with the density in the box, and %2.</source>
        <translation>%1 no se abrió: su cuerpo se construiría con la densidad superficial de la casilla, y %2.</translation>
    </message>
    <message>
        <source>Not done: the body would be rebuilt with the density in the box, and %1.</source>
        <translation>No se hizo: el cuerpo se reconstruiría con la densidad superficial de la casilla, y %1.</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Time&amp;line</source>
        <translation>Línea de &amp;tiempo</translation>
    </message>
    <message>
        <source>Step &amp;back</source>
        <translation>Paso a&amp;trás</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
    <message>
        <source>step %1 of %2, %3</source>
        <translation>paso %1 de %2, %3</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Kept: steps %1 to %2</source>
        <translation>Guardados: pasos %1 a %2</translation>
    </message>
    <message>
        <source>step %1, %2</source>
        <translation>paso %1, %2</translation>
    </message>
</context>
</TS>
