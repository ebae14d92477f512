<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Catalogue</name>
    <message>
        <source>Specify input file with saved parameter settings</source>
        <translation>Eingabedatei mit gespeicherten Einstellungen wählen</translation>
    </message>
    <message>
        <source>Specify your source gedcom file</source>
        <translation>GEDCOM-Quelldatei wählen</translation>
    </message>
    <message>
        <source>%string is not a valid number.</source>
        <translation>%string ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>Save your parameters in an input file</source>
        <translation>Einstellungen in einer Eingabedatei speichern</translation>
    </message>
    <message>
        <source>Do you want to save your changes ?</source>
        <translation>Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>Naming Scheme</source>
        <translation>Namensschema</translation>
    </message>
    <message>
        <source>Chart Depth</source>
        <translation>Diagrammtiefe</translation>
    </message>
    <message>
        <source>Make Chart</source>
        <translation>Diagramm erstellen</translation>
    </message>
    <message>
        <source>View Chart</source>
        <translation>Diagramm anzeigen</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Params</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Include descendants</source>
        <translation>Nachkommen aufnehmen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>How to show/hide names</source>
        <translation>Namen anzeigen/ausblenden</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>&lt;show no name&gt;</source>
        <translation>&lt;keinen Namen anzeigen&gt;</translation>
    </message>
    <message>
        <source>surname</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>initial + surname</source>
        <translation>Initiale + Nachname</translation>
    </message>
    <message>
        <source>given name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>given name + surname</source>
        <translation>Vorname + Nachname</translation>
    </message>
    <message>
        <source>highlight family name branches</source>
        <translation>Zweige mit dem Familiennamen hervorheben</translation>
    </message>
    <message>
        <source>alive</source>
        <translation>lebend</translation>
    </message>
    <message>
        <source>female</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>male</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>name of family</source>
        <translation>Familienname</translation>
    </message>
    <message>
        <source>no offspring</source>
        <translation>keine Nachkommen</translation>
    </message>
    <message>
        <source>parent&apos;s name</source>
        <translation>Name des Elternteils</translation>
    </message>
    <message>
        <source>everybody</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Previous focus person</source>
        <translation>Vorherige Bezugsperson</translation>
    </message>
    <message>
        <source>Next focus person</source>
        <translation>Nächste Bezugsperson</translation>
    </message>
    <message>
        <source>Double-click any person to re-focus</source>
        <translation>Doppelklick auf eine Person stellt sie in den Mittelpunkt</translation>
    </message>
    <message>
        <source>Focus on %person</source>
        <translation>Im Mittelpunkt: %person</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>Nachkommen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>&lt;blank&gt;</source>
        <translation>&lt;leer&gt;</translation>
    </message>
    <message>
        <source>@ branch OFF</source>
        <translation>@ Zweig AUS</translation>
    </message>
    <message>
        <source>@ branch ON</source>
        <translation>@ Zweig AN</translation>
    </message>
    <message>
        <source>@ not an option</source>
        <translation>@ nicht möglich</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Vorfahren</translation>
    </message>
    <message>
        <source>Time needed grows exponentially with %chartdepth ...</source>
        <translation>Die Rechenzeit wächst exponentiell mit der %chartdepth ...</translation>
    </message>
    <message>
        <source>Right-click a box to alter the display of the name. The HTML files will reflect your choice.</source>
        <translation>Klicken Sie mit der rechten Maustaste auf einen Kasten, um die Anzeige des Namens zu ändern. Die HTML-Dateien übernehmen Ihre Wahl.</translation>
    </message>
    <message>
        <source>Grayish boxes indicate that the person involved has both parents in the chart (an inbreeding relationship exesits, but the gray coloring does not indicate how tight it is). You can find the other parent by clicking on the person. Further offspring is only shown in one branch.</source>
        <translation>Graue Kästen zeigen an, dass beide Eltern der betreffenden Person im Diagramm vorkommen (es besteht Inzucht, aber die graue Färbung sagt nicht, wie eng sie ist). Den anderen Elternteil finden Sie durch einen Klick auf die Person. Weitere Nachkommen werden nur in einem Zweig gezeigt.</translation>
    </message>
    <message>
        <source>The drop-down list shows everybody in the chart. Select one and the display will center around him. If you step through the list, every person visited will be highlighted.</source>
        <translation>Die Auswahlliste zeigt alle Personen im Diagramm. Wählen Sie eine aus, und die Anzeige wird auf sie zentriert. Wenn Sie die Liste durchgehen, wird jede besuchte Person hervorgehoben.</translation>
    </message>
    <message>
        <source>A grayish box indicates that the person involved appears more than once in the chart (a common ancestor). Further ancestors are only shown in the principal branch, which you can find by clicking on such a person. </source>
        <translation>Ein grauer Kasten zeigt an, dass die betreffende Person mehr als einmal im Diagramm vorkommt (ein gemeinsamer Vorfahr). Weitere Vorfahren werden nur im Hauptzweig gezeigt, den Sie durch einen Klick auf eine solche Person finden.</translation>
    </message>
    <message>
        <source>Click in the list and type a few letters to jump to the first entry with those letters. (Don&apos;t wait too long between letters, otherwise it is interpreted as a restart.) Double-click or press OK, otherwise the person with the largest tree will be chosen.</source>
        <translation>Klicken Sie in die Liste und tippen Sie einige Buchstaben, um zum ersten Eintrag mit diesen Buchstaben zu springen. (Warten Sie nicht zu lange zwischen den Buchstaben, sonst beginnt die Suche von vorn.) Doppelklicken Sie oder drücken Sie OK, sonst wird die Person mit dem größten Stammbaum gewählt.</translation>
    </message>
    <message>
        <source>The proband will be remembered. Next time you make a chart, your previous selection will be highlighted in the list. If you want to continue without change, just press OK.</source>
        <translation>Der Proband wird gespeichert. Wenn Sie das nächste Mal ein Diagramm erstellen, ist Ihre vorige Auswahl in der Liste markiert. Wenn Sie ohne Änderung fortfahren möchten, drücken Sie einfach OK.</translation>
    </message>
    <message>
        <source>If you select &lt;blank&gt;, then the box will be shown without a name and the genealogy text will only show sex and birthyear.</source>
        <translation>Wenn Sie &lt;leer&gt; wählen, wird der Kasten ohne Namen gezeigt, und der Text der Nachfahrentafel nennt nur Geschlecht und Geburtsjahr.</translation>
    </message>
    <message>
        <source>Boxes without a name: the naming scheme (the &quot;Naming Scheme&quot; field of the main window) picks the name form of each box, and the digit 0 shows no name. The genealogy&apos;s default scheme &quot;a0n3z2@&quot; shows persons who may still be alive (born less than 100 years ago, without a date of death) without a name, so that pages put on the web do not name living persons. Change the scheme to show them, or choose a name form for a single box with the right mouse button. The hint of an empty box says why it is empty.</source>
        <translation>Kästchen ohne Namen: Das Namensschema (das Feld „Namensschema“ im Hauptfenster) wählt die Namensform jedes Kästchens, und die Ziffer 0 zeigt keinen Namen. Das Standardschema der Genealogie, „a0n3z2@“, zeigt Personen, die noch leben könnten (vor weniger als 100 Jahren geboren, ohne Sterbedatum), ohne Namen, damit Seiten im Web keine lebenden Personen nennen. Ändern Sie das Schema, um sie zu zeigen, oder wählen Sie mit der rechten Maustaste eine Namensform für ein einzelnes Kästchen. Der Hinweis eines leeren Kästchens sagt, warum es leer ist.</translation>
    </message>
    <message>
        <source>No name is shown: the naming scheme &quot;%scheme&quot; gives the condition &quot;%condition&quot; (%pair) no name. Change the Naming Scheme in the main window, or choose a name form for this box with the right mouse button.</source>
        <translation>Kein Name angezeigt: Das Namensschema „%scheme“ gibt der Bedingung „%condition“ (%pair) keinen Namen. Ändern Sie das Namensschema im Hauptfenster, oder wählen Sie mit der rechten Maustaste eine Namensform für dieses Kästchen.</translation>
    </message>
    <message>
        <source>No name is shown: &lt;blank&gt; was chosen for this person with the right mouse button, where another name form can be chosen.</source>
        <translation>Kein Name angezeigt: Für diese Person wurde mit der rechten Maustaste &lt;leer&gt; gewählt; dort lässt sich auch eine andere Namensform wählen.</translation>
    </message>
    <message>
        <source>Genealogy</source>
        <translation>Nachfahrentafel</translation>
    </message>
    <message>
        <source>If you select &lt;blank&gt;, then the box will be shown without a name.</source>
        <translation>Wenn Sie &lt;leer&gt; wählen, wird der Kasten ohne Namen gezeigt.</translation>
    </message>
    <message>
        <source>The chart shows all known offspring of the proband.</source>
        <translation>Das Diagramm zeigt alle bekannten Nachkommen des Probanden.</translation>
    </message>
    <message>
        <source>Navigation: use PgUp/PgDn to scroll vertically; in combination with Ctrl to scroll horizontally.</source>
        <translation>Navigation: Bild auf/Bild ab (PgUp/PgDn) blättert senkrecht, zusammen mit Strg waagerecht.</translation>
    </message>
    <message>
        <source>Double-click a name for a display of close family.</source>
        <translation>Ein Doppelklick auf einen Namen zeigt die nahe Familie.</translation>
    </message>
    <message>
        <source>Right-click between boxes to alter dimensions.</source>
        <translation>Ein Rechtsklick zwischen die Kästen ändert die Abmessungen.</translation>
    </message>
    <message>
        <source>White-boxed persons have 2 parents, 4 grandparents, and so on. For persons in a grayish box this is not the case: one or more ancestors are reached via more than one route. The loss-% shows how far back this happens (losing 1 out of 4 grandparents implies a loss of 25%; 1 out of 8 grand-grandparents is 12.5% and so on). The higher the loss, the darker the box.</source>
        <translation>Personen in einem weißen Kasten haben 2 Eltern, 4 Großeltern und so weiter. Für Personen in einem grauen Kasten gilt das nicht: ein oder mehrere Vorfahren werden über mehr als einen Weg erreicht. Der Verlust in % zeigt, wie weit zurück das geschieht (1 von 4 Großeltern weniger ist ein Verlust von 25%; 1 von 8 Urgroßeltern sind 12,5% und so weiter). Je größer der Verlust, desto dunkler der Kasten.</translation>
    </message>
    <message>
        <source>Move over a name to get the person&apos;s details.</source>
        <translation>Bewegen Sie die Maus über einen Namen, um die Angaben der Person zu sehen.</translation>
    </message>
    <message>
        <source>Click on a box to see the ancestors and descendants of that person (&apos;double&apos; ancestors will be highlighted, as do descendants who get this person&apos;s genes from both parents).</source>
        <translation>Klicken Sie auf einen Kasten, um die Vorfahren und Nachkommen dieser Person zu sehen (&apos;doppelte&apos; Vorfahren werden hervorgehoben, ebenso Nachkommen, die die Gene dieser Person über beide Eltern erhalten).</translation>
    </message>
    <message>
        <source>Click anywhere else to remove the highlights (and remove this help text).</source>
        <translation>Ein Klick an eine andere Stelle entfernt die Hervorhebungen (und diesen Hilfetext).</translation>
    </message>
    <message>
        <source>The drop-down list shows the persons who suffer pedigree loss. By selecting one, you move to a graph where this person&apos;s ancestry is shown. It may be that the same person appears in another graph - but with incomplete ancestor lines.</source>
        <translation>Die Auswahlliste zeigt die Personen mit Ahnenverlust. Wählen Sie eine aus, gelangen Sie zu einem Diagramm mit den Vorfahren dieser Person. Dieselbe Person kann auch in einem anderen Diagramm vorkommen, dann aber mit unvollständigen Ahnenlinien.</translation>
    </message>
    <message>
        <source>Kinship visualised</source>
        <translation>Verwandtschaft im Bild</translation>
    </message>
    <message>
        <source>The graph shows all ancestors necessary to explain the kinship between the highlighted probands.</source>
        <translation>Das Diagramm zeigt alle Vorfahren, die nötig sind, um die Verwandtschaft zwischen den hervorgehobenen Probanden zu erklären.</translation>
    </message>
    <message>
        <source>Click on a box to highlight the lines to ancestors and descendants of that person.</source>
        <translation>Klicken Sie auf einen Kasten, um die Linien zu den Vorfahren und Nachkommen dieser Person hervorzuheben.</translation>
    </message>
    <message>
        <source>The drop-down list shows all the ancestors whose genes pass via different routes to two or more of the probands. (These ancestors are on meeting points of the pedigrees of the probands.) In the graph they are grayish. When you select one from the list, the corresponding box will be accentuated.</source>
        <translation>Die Auswahlliste zeigt alle Vorfahren, deren Gene auf verschiedenen Wegen zwei oder mehr der Probanden erreichen. (Diese Vorfahren liegen an Treffpunkten der Ahnentafeln der Probanden.) Im Diagramm sind sie grau. Wählen Sie einen aus der Liste, wird der zugehörige Kasten hervorgehoben.</translation>
    </message>
</context>
<context>
    <name>ChartType</name>
    <message>
        <source>Genealogy (HTML)</source>
        <translation>Nachfahrentafel (HTML)</translation>
    </message>
    <message>
        <source>Inbreeding (on screen)</source>
        <translation>Inzucht (am Bildschirm)</translation>
    </message>
    <message>
        <source>Kinship (on screen)</source>
        <translation>Verwandtschaft (am Bildschirm)</translation>
    </message>
    <message>
        <source>Offspring tree</source>
        <translation>Nachkommenbaum</translation>
    </message>
    <message>
        <source>Pedigree (HTML)</source>
        <translation>Ahnentafel (HTML)</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
</context>
<context>
    <name>lg::gui::QtHost</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lg::gui::TBrowserForm</name>
    <message>
        <source>View your tableau results, then close window to continue</source>
        <translation>Sehen Sie sich das Ergebnis an und schließen Sie dann das Fenster, um fortzufahren</translation>
    </message>
</context>
<context>
    <name>lg::gui::TDimensionsForm</name>
    <message>
        <source>Box width</source>
        <translation>Kastenbreite</translation>
    </message>
    <message>
        <source>Box height</source>
        <translation>Kastenhöhe</translation>
    </message>
    <message>
        <source>Horizontal spacing</source>
        <translation>Horizontaler Abstand</translation>
    </message>
    <message>
        <source>Vertical spacing</source>
        <translation>Vertikaler Abstand</translation>
    </message>
    <message>
        <source>Name length</source>
        <translation>Namenslänge</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Adjust dimensions</source>
        <translation>Abmessungen anpassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>lg::gui::TExplainForm</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>lg::gui::TGCdisplay</name>
    <message>
        <source>Show previous graph</source>
        <translation>Vorheriges Diagramm zeigen</translation>
    </message>
    <message>
        <source>Focus on specific name</source>
        <translation>Auf einen bestimmten Namen zentrieren</translation>
    </message>
    <message>
        <source>Show next graph</source>
        <translation>Nächstes Diagramm zeigen</translation>
    </message>
    <message>
        <source>M</source>
        <comment>male</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>F</source>
        <comment>female</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Make and view HTML output</source>
        <translation>HTML-Ausgabe erstellen und anzeigen</translation>
    </message>
    <message>
        <source>Save as picture...</source>
        <translation>Als Bild speichern...</translation>
    </message>
    <message>
        <source>Save the whole chart as an SVG or PNG picture</source>
        <translation>Das ganze Diagramm als SVG- oder PNG-Bild speichern</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>Das Diagramm als Bild speichern</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>SVG-Bild (*.svg);;PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Pictures are saved as SVG or PNG: name the file .svg or .png.</source>
        <translation>Bilder werden als SVG oder PNG gespeichert: geben Sie der Datei die Endung .svg oder .png.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Get a brief explanation</source>
        <translation>Kurze Erklärung</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Return to program</source>
        <translation>Zurück zum Programm</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Send this graph to a printer</source>
        <translation>Diese Grafik an einen Drucker senden</translation>
    </message>
    <message>
        <source>Truncated chart</source>
        <translation>Gekürzte Grafik</translation>
    </message>
    <message>
        <source>Check last paragraph of help</source>
        <translation>Siehe letzten Absatz der Hilfe</translation>
    </message>
</context>
<context>
    <name>lg::gui::THelpForm</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>To get started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Hilfe schließen</translation>
    </message>
</context>
<context>
    <name>lg::gui::TInbreedingForm</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK / All</source>
        <translation>OK / Alle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lg::gui::TMainForm</name>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>The GEDCOM file the charts are made of</source>
        <translation>Die GEDCOM-Datei, aus der die Diagramme erstellt werden</translation>
    </message>
    <message>
        <source>The parameter file: every setting, and the GEDCOM it names</source>
        <translation>Die Parameterdatei: alle Einstellungen und die darin genannte GEDCOM-Datei</translation>
    </message>
    <message>
        <source>The kind of chart to make</source>
        <translation>Die Art des Diagramms</translation>
    </message>
    <message>
        <source>The language of the words written into the charts and pages</source>
        <translation>Die Sprache der Texte in den Diagrammen und Seiten</translation>
    </message>
    <message>
        <source>Gedcom</source>
        <translation>Gedcom</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The chart page (tableau)</source>
        <translation>Die Seite mit dem Diagramm (Tableau)</translation>
    </message>
    <message>
        <source>The text page with every person&apos;s data; a # in the name makes one page per generation</source>
        <translation>Die Textseite mit den Daten jeder Person; ein # im Namen ergibt eine Seite je Generation</translation>
    </message>
    <message>
        <source>The frames page that shows chart and text together</source>
        <translation>Die Frame-Seite, die Diagramm und Text zusammen zeigt</translation>
    </message>
    <message>
        <source>The outline page of the whole chart; blank: none</source>
        <translation>Die Übersichtsseite des ganzen Diagramms; leer: keine</translation>
    </message>
    <message>
        <source>The title of the pages; blank: automatic</source>
        <translation>Der Titel der Seiten; leer: automatisch</translation>
    </message>
    <message>
        <source>The address of your home page; blank: no home link</source>
        <translation>Die Adresse Ihrer Homepage; leer: kein Link zur Homepage</translation>
    </message>
    <message>
        <source>The tool tip of the home link</source>
        <translation>Der Tooltip des Homepage-Links</translation>
    </message>
    <message>
        <source>Where the home link opens (_top, _self, ...)</source>
        <translation>Wo sich der Homepage-Link öffnet (_top, _self, ...)</translation>
    </message>
    <message>
        <source>The name of the frame that shows the text page</source>
        <translation>Der Name des Frames, der die Textseite zeigt</translation>
    </message>
    <message>
        <source>Chart page</source>
        <translation>Diagrammseite</translation>
    </message>
    <message>
        <source>Text page</source>
        <translation>Textseite</translation>
    </message>
    <message>
        <source>Frames page</source>
        <translation>Frame-Seite</translation>
    </message>
    <message>
        <source>Outline page</source>
        <translation>Übersichtsseite</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Home link hint</source>
        <translation>Tooltip des Links</translation>
    </message>
    <message>
        <source>Home link target</source>
        <translation>Ziel des Links</translation>
    </message>
    <message>
        <source>Text frame</source>
        <translation>Text-Frame</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Space left of the chart</source>
        <translation>Abstand links vom Diagramm</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Space above the chart</source>
        <translation>Abstand über dem Diagramm</translation>
    </message>
    <message>
        <source>Box width</source>
        <translation>Kastenbreite</translation>
    </message>
    <message>
        <source>Width of a name box</source>
        <translation>Breite eines Namenskastens</translation>
    </message>
    <message>
        <source>Box height</source>
        <translation>Kastenhöhe</translation>
    </message>
    <message>
        <source>Height of a name box</source>
        <translation>Höhe eines Namenskastens</translation>
    </message>
    <message>
        <source>Horizontal space</source>
        <translation>Horizontaler Abstand</translation>
    </message>
    <message>
        <source>Space between boxes side by side</source>
        <translation>Abstand zwischen nebeneinander liegenden Kästen</translation>
    </message>
    <message>
        <source>Vertical space</source>
        <translation>Vertikaler Abstand</translation>
    </message>
    <message>
        <source>Space between generations</source>
        <translation>Abstand zwischen den Generationen</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font size of the chart</source>
        <translation>Schriftgröße des Diagramms</translation>
    </message>
    <message>
        <source>Name length</source>
        <translation>Namenslänge</translation>
    </message>
    <message>
        <source>Names longer than this are shortened to fit a box</source>
        <translation>Längere Namen werden gekürzt, damit sie in einen Kasten passen</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>The font of the pages and charts</source>
        <translation>Die Schriftart der Seiten und Diagramme</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Mann</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Frau</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Colour of the boxes of men; click to choose</source>
        <translation>Farbe der Kästen von Männern; zum Auswählen klicken</translation>
    </message>
    <message>
        <source>Colour of the boxes of women; click to choose</source>
        <translation>Farbe der Kästen von Frauen; zum Auswählen klicken</translation>
    </message>
    <message>
        <source>Colour of the page background; click to choose</source>
        <translation>Hintergrundfarbe der Seite; zum Auswählen klicken</translation>
    </message>
    <message>
        <source>The share of the frames page given to the chart</source>
        <translation>Der Anteil der Frame-Seite für das Diagramm</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Chart share</source>
        <translation>Diagrammanteil</translation>
    </message>
    <message>
        <source>All descendants, only those through sons, or only those with the proband&apos;s surname</source>
        <translation>Alle Nachkommen, nur die über Söhne oder nur die mit dem Nachnamen des Probanden</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Male</source>
        <comment>descendants through sons</comment>
        <translation>Über Söhne</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>descendants with the proband&apos;s surname</comment>
        <translation>Gleicher Name</translation>
    </message>
    <message>
        <source>No options for
this chart type</source>
        <translation>Keine Optionen für
diese Diagrammart</translation>
    </message>
    <message>
        <source>Compute the chart; hold Ctrl to keep the remembered proband and show the chart at once</source>
        <translation>Das Diagramm berechnen; mit gedrückter Strg-Taste bleibt der gemerkte Proband und das Diagramm erscheint sofort</translation>
    </message>
    <message>
        <source>Show the chart made last, or the error report of the checks</source>
        <translation>Das zuletzt erstellte Diagramm oder den Fehlerbericht der Prüfungen anzeigen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>The factory settings of this chart type</source>
        <translation>Die Werkseinstellungen dieser Diagrammart</translation>
    </message>
    <message>
        <source>Options shared by every chart type</source>
        <translation>Optionen, die für alle Diagrammarten gelten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About this chart type</source>
        <translation>Über diese Diagrammart</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Interrupt the computation (Esc)</source>
        <translation>Die Berechnung unterbrechen (Esc)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close Lignorama</source>
        <translation>Lignorama beenden</translation>
    </message>
    <message>
        <source>The messages of the last command</source>
        <translation>Die Meldungen des letzten Befehls</translation>
    </message>
    <message>
        <source>Gedcom (*.ged *.GED)</source>
        <translation>Gedcom (*.ged *.GED)</translation>
    </message>
    <message>
        <source>Input (*.txt *.TXT)</source>
        <translation>Eingabe (*.txt *.TXT)</translation>
    </message>
</context>
<context>
    <name>lg::gui::TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Truncate place names</source>
        <translation>Ortsnamen kürzen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>1st comma</source>
        <translation>Ab 1. Komma</translation>
    </message>
    <message>
        <source>2nd comma</source>
        <translation>Ab 2. Komma</translation>
    </message>
    <message>
        <source>In absence of surname, use</source>
        <translation>Ohne Nachnamen verwenden</translation>
    </message>
    <message>
        <source>Patronym</source>
        <translation>Patronym</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Show baptism/christening data</source>
        <translation>Taufdaten anzeigen</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>When essential</source>
        <translation>Nur wenn nötig</translation>
    </message>
    <message>
        <source>Show burial data</source>
        <translation>Bestattungsdaten anzeigen</translation>
    </message>
    <message>
        <source>Show place names</source>
        <translation>Ortsnamen anzeigen</translation>
    </message>
    <message>
        <source>Running text</source>
        <translation>Im Fließtext</translation>
    </message>
    <message>
        <source>In brackets</source>
        <translation>In Klammern</translation>
    </message>
    <message>
        <source>Show names</source>
        <translation>Namen anzeigen</translation>
    </message>
    <message>
        <source>Proper</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Formal</source>
        <translation>Formal</translation>
    </message>
    <message>
        <source>Gedcom</source>
        <translation>Gedcom</translation>
    </message>
    <message>
        <source>Text file bookmarks</source>
        <translation>Lesezeichen der Textdatei</translation>
    </message>
    <message>
        <source>Gedcom ID</source>
        <translation>Gedcom-ID</translation>
    </message>
    <message>
        <source>2^n</source>
        <translation>2^n</translation>
    </message>
    <message>
        <source>GeneWeb</source>
        <translation>GeneWeb</translation>
    </message>
    <message>
        <source>Show Gedcom notes for persons</source>
        <translation>Gedcom-Notizen zu Personen anzeigen</translation>
    </message>
    <message>
        <source>Gedcom checks</source>
        <translation>Gedcom-Prüfungen</translation>
    </message>
    <message>
        <source>Link consistency only</source>
        <translation>Nur Konsistenz der Verknüpfungen</translation>
    </message>
    <message>
        <source>Consistency of links and dates</source>
        <translation>Konsistenz von Verknüpfungen und Daten</translation>
    </message>
    <message>
        <source>Link consistency and sanity of dates</source>
        <translation>Konsistenz der Verknüpfungen und Plausibilität der Daten</translation>
    </message>
    <message>
        <source>Force language for user interface</source>
        <translation>Sprache der Benutzeroberfläche festlegen</translation>
    </message>
    <message>
        <source>(effective after application restart)</source>
        <translation>(wirksam nach Neustart des Programms)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>lg::gui::TReturnForm</name>
    <message>
        <source>End view</source>
        <translation>Ansicht beenden</translation>
    </message>
    <message>
        <source>Return to Lignorama</source>
        <translation>Zurück zu Lignorama</translation>
    </message>
    <message>
        <source>Close browser; goto main screen</source>
        <translation>Browser schließen; zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>lg::gui::TSelectionForm</name>
    <message>
        <source>Select from Gedcom file</source>
        <translation>Aus der Gedcom-Datei wählen</translation>
    </message>
    <message>
        <source>Select who should be at the root of the chart (the proband).</source>
        <translation>Wählen Sie, wer am Ausgangspunkt des Diagramms steht (der Proband).</translation>
    </message>
    <message>
        <source>Nb: only persons with a tree of at least a few generations are shown (in &lt; &gt;).</source>
        <translation>Hinweis: Nur Personen mit einem Stammbaum von mindestens einigen Generationen werden angezeigt (in &lt; &gt;).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept the highlighted person</source>
        <translation>Die markierte Person übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Abort selection</source>
        <translation>Auswahl abbrechen</translation>
    </message>
    <message>
        <source>Clear proband</source>
        <translation>Proband löschen</translation>
    </message>
    <message>
        <source>No selection: allows you automatic choice</source>
        <translation>Keine Auswahl: das Programm wählt automatisch</translation>
    </message>
</context>
<context>
    <name>lg::gui::TdetailsDisplay</name>
    <message>
        <source>M</source>
        <comment>male</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>F</source>
        <comment>female</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>lg::gui::TinbreedingDisplay</name>
    <message>
        <source>Inbreeding coefficient F: %1%</source>
        <translation>Inzuchtkoeffizient F: %1%</translation>
    </message>
</context>
</TS>
