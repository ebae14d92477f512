<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Catalogue</name>
    <message>
        <source>Specify input file with saved parameter settings</source>
        <translation>Kies een invoerbestand met opgeslagen instellingen</translation>
    </message>
    <message>
        <source>Specify your source gedcom file</source>
        <translation>Kies uw GEDCOM-bronbestand</translation>
    </message>
    <message>
        <source>%string is not a valid number.</source>
        <translation>%string is geen geldig getal.</translation>
    </message>
    <message>
        <source>Save your parameters in an input file</source>
        <translation>Sla uw instellingen op in een invoerbestand</translation>
    </message>
    <message>
        <source>Do you want to save your changes ?</source>
        <translation>Wilt u uw wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Naming Scheme</source>
        <translation>Naamweergave</translation>
    </message>
    <message>
        <source>Chart Depth</source>
        <translation>Diagramdiepte</translation>
    </message>
    <message>
        <source>Make Chart</source>
        <translation>Diagram maken</translation>
    </message>
    <message>
        <source>View Chart</source>
        <translation>Diagram bekijken</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Gegevens opslaan</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uitvoer</translation>
    </message>
    <message>
        <source>Params</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Include descendants</source>
        <translation>Nakomelingen opnemen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>How to show/hide names</source>
        <translation>Namen tonen/verbergen</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Voorwaarden</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>&lt;show no name&gt;</source>
        <translation>&lt;geen naam tonen&gt;</translation>
    </message>
    <message>
        <source>surname</source>
        <translation>achternaam</translation>
    </message>
    <message>
        <source>initial + surname</source>
        <translation>voorletter + achternaam</translation>
    </message>
    <message>
        <source>given name</source>
        <translation>voornaam</translation>
    </message>
    <message>
        <source>given name + surname</source>
        <translation>voornaam + achternaam</translation>
    </message>
    <message>
        <source>highlight family name branches</source>
        <translation>takken met de familienaam markeren</translation>
    </message>
    <message>
        <source>alive</source>
        <translation>levend</translation>
    </message>
    <message>
        <source>female</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>male</source>
        <translation>man</translation>
    </message>
    <message>
        <source>name of family</source>
        <translation>familienaam</translation>
    </message>
    <message>
        <source>no offspring</source>
        <translation>geen nakomelingen</translation>
    </message>
    <message>
        <source>parent&apos;s name</source>
        <translation>naam van de ouder</translation>
    </message>
    <message>
        <source>everybody</source>
        <translation>iedereen</translation>
    </message>
    <message>
        <source>Previous focus person</source>
        <translation>Vorige centrale persoon</translation>
    </message>
    <message>
        <source>Next focus person</source>
        <translation>Volgende centrale persoon</translation>
    </message>
    <message>
        <source>Double-click any person to re-focus</source>
        <translation>Dubbelklik op een persoon om die centraal te zetten</translation>
    </message>
    <message>
        <source>Focus on %person</source>
        <translation>Centraal: %person</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>Nakomelingen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>&lt;blank&gt;</source>
        <translation>&lt;leeg&gt;</translation>
    </message>
    <message>
        <source>@ branch OFF</source>
        <translation>@ tak UIT</translation>
    </message>
    <message>
        <source>@ branch ON</source>
        <translation>@ tak AAN</translation>
    </message>
    <message>
        <source>@ not an option</source>
        <translation>@ niet mogelijk</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Voorouders</translation>
    </message>
    <message>
        <source>Time needed grows exponentially with %chartdepth ...</source>
        <translation>De rekentijd groeit exponentieel met de %chartdepth ...</translation>
    </message>
    <message>
        <source>Right-click a box to alter the display of the name. The HTML files will reflect your choice.</source>
        <translation>Klik met de rechtermuisknop op een vak om de weergave van de naam te wijzigen. De HTML-bestanden nemen uw keuze over.</translation>
    </message>
    <message>
        <source>Grayish boxes indicate that the person involved has both parents in the chart (an inbreeding relationship exesits, but the gray coloring does not indicate how tight it is). You can find the other parent by clicking on the person. Further offspring is only shown in one branch.</source>
        <translation>Grijze vakken geven aan dat beide ouders van de betrokken persoon in het diagram staan (er is sprake van inteelt, maar de grijze kleur zegt niet hoe nauw die is). U vindt de andere ouder door op de persoon te klikken. Verdere nakomelingen worden maar in één tak getoond.</translation>
    </message>
    <message>
        <source>The drop-down list shows everybody in the chart. Select one and the display will center around him. If you step through the list, every person visited will be highlighted.</source>
        <translation>De keuzelijst toont iedereen in het diagram. Kies iemand en de weergave wordt rond die persoon gecentreerd. Als u de lijst doorloopt, wordt iedere bezochte persoon gemarkeerd.</translation>
    </message>
    <message>
        <source>A grayish box indicates that the person involved appears more than once in the chart (a common ancestor). Further ancestors are only shown in the principal branch, which you can find by clicking on such a person. </source>
        <translation>Een grijs vak geeft aan dat de betrokken persoon meer dan eens in het diagram voorkomt (een gemeenschappelijke voorouder). Verdere voorouders worden alleen in de hoofdtak getoond; die vindt u door op zo&apos;n persoon te klikken.</translation>
    </message>
    <message>
        <source>Click in the list and type a few letters to jump to the first entry with those letters. (Don&apos;t wait too long between letters, otherwise it is interpreted as a restart.) Double-click or press OK, otherwise the person with the largest tree will be chosen.</source>
        <translation>Klik in de lijst en typ een paar letters om naar de eerste regel met die letters te springen. (Wacht niet te lang tussen de letters, anders begint het zoeken opnieuw.) Dubbelklik of druk op OK; anders wordt de persoon met de grootste stamboom gekozen.</translation>
    </message>
    <message>
        <source>The proband will be remembered. Next time you make a chart, your previous selection will be highlighted in the list. If you want to continue without change, just press OK.</source>
        <translation>De proband wordt onthouden. Als u de volgende keer een diagram maakt, is uw vorige keuze in de lijst gemarkeerd. Wilt u zonder wijziging verdergaan, druk dan gewoon op OK.</translation>
    </message>
    <message>
        <source>If you select &lt;blank&gt;, then the box will be shown without a name and the genealogy text will only show sex and birthyear.</source>
        <translation>Als u &lt;leeg&gt; kiest, wordt het vak zonder naam getoond en vermeldt de genealogietekst alleen geslacht en geboortejaar.</translation>
    </message>
    <message>
        <source>Boxes without a name: the naming scheme (the &quot;Naming Scheme&quot; field of the main window) picks the name form of each box, and the digit 0 shows no name. The genealogy&apos;s default scheme &quot;a0n3z2@&quot; shows persons who may still be alive (born less than 100 years ago, without a date of death) without a name, so that pages put on the web do not name living persons. Change the scheme to show them, or choose a name form for a single box with the right mouse button. The hint of an empty box says why it is empty.</source>
        <translation>Vakken zonder naam: de naamweergave (het veld &quot;Naamweergave&quot; in het hoofdvenster) bepaalt de naamvorm van elk vak, en het cijfer 0 toont geen naam. De standaardweergave van de genealogie, &quot;a0n3z2@&quot;, toont personen die mogelijk nog leven (minder dan 100 jaar geleden geboren, zonder overlijdensdatum) zonder naam, zodat pagina&apos;s op het web geen levende personen noemen. Wijzig de naamweergave om hen te tonen, of kies met de rechtermuisknop een naamvorm voor een enkel vak. De hint van een leeg vak zegt waarom het leeg is.</translation>
    </message>
    <message>
        <source>No name is shown: the naming scheme &quot;%scheme&quot; gives the condition &quot;%condition&quot; (%pair) no name. Change the Naming Scheme in the main window, or choose a name form for this box with the right mouse button.</source>
        <translation>Er wordt geen naam getoond: de naamweergave &quot;%scheme&quot; geeft de voorwaarde &quot;%condition&quot; (%pair) geen naam. Wijzig de Naamweergave in het hoofdvenster, of kies met de rechtermuisknop een naamvorm voor dit vak.</translation>
    </message>
    <message>
        <source>No name is shown: &lt;blank&gt; was chosen for this person with the right mouse button, where another name form can be chosen.</source>
        <translation>Er wordt geen naam getoond: voor deze persoon is met de rechtermuisknop &lt;leeg&gt; gekozen; daar kan ook een andere naamvorm worden gekozen.</translation>
    </message>
    <message>
        <source>Genealogy</source>
        <translation>Genealogie</translation>
    </message>
    <message>
        <source>If you select &lt;blank&gt;, then the box will be shown without a name.</source>
        <translation>Als u &lt;leeg&gt; kiest, wordt het vak zonder naam getoond.</translation>
    </message>
    <message>
        <source>The chart shows all known offspring of the proband.</source>
        <translation>De kaart toont alle bekende nakomelingen van de proband.</translation>
    </message>
    <message>
        <source>Navigation: use PgUp/PgDn to scroll vertically; in combination with Ctrl to scroll horizontally.</source>
        <translation>Navigatie: gebruik PgUp/PgDn om verticaal te schuiven; samen met Ctrl om horizontaal te schuiven.</translation>
    </message>
    <message>
        <source>Double-click a name for a display of close family.</source>
        <translation>Dubbelklik op een naam om de naaste familie te tonen.</translation>
    </message>
    <message>
        <source>Right-click between boxes to alter dimensions.</source>
        <translation>Klik met de rechtermuisknop tussen de vakken om de afmetingen te wijzigen.</translation>
    </message>
    <message>
        <source>White-boxed persons have 2 parents, 4 grandparents, and so on. For persons in a grayish box this is not the case: one or more ancestors are reached via more than one route. The loss-% shows how far back this happens (losing 1 out of 4 grandparents implies a loss of 25%; 1 out of 8 grand-grandparents is 12.5% and so on). The higher the loss, the darker the box.</source>
        <translation>Personen in een wit vak hebben 2 ouders, 4 grootouders, enzovoort. Voor personen in een grijs vak is dat niet zo: een of meer voorouders worden langs meer dan één weg bereikt. Het verlies-% toont hoe ver terug dat gebeurt (1 van de 4 grootouders kwijt is een verlies van 25%; 1 van de 8 overgrootouders is 12,5% enzovoort). Hoe groter het verlies, hoe donkerder het vak.</translation>
    </message>
    <message>
        <source>Move over a name to get the person&apos;s details.</source>
        <translation>Beweeg over een naam voor de gegevens van de persoon.</translation>
    </message>
    <message>
        <source>Click on a box to see the ancestors and descendants of that person (&apos;double&apos; ancestors will be highlighted, as do descendants who get this person&apos;s genes from both parents).</source>
        <translation>Klik op een vak om de voorouders en nakomelingen van die persoon te zien (&apos;dubbele&apos; voorouders worden gemarkeerd, net als nakomelingen die de genen van deze persoon via beide ouders krijgen).</translation>
    </message>
    <message>
        <source>Click anywhere else to remove the highlights (and remove this help text).</source>
        <translation>Klik ergens anders om de markeringen (en deze helptekst) weg te halen.</translation>
    </message>
    <message>
        <source>The drop-down list shows the persons who suffer pedigree loss. By selecting one, you move to a graph where this person&apos;s ancestry is shown. It may be that the same person appears in another graph - but with incomplete ancestor lines.</source>
        <translation>De keuzelijst toont de personen met kwartierverlies. Kiest u er een, dan gaat u naar een grafiek met de voorouders van die persoon. Het kan zijn dat dezelfde persoon in een andere grafiek voorkomt, maar dan met onvolledige voorouderlijnen.</translation>
    </message>
    <message>
        <source>Kinship visualised</source>
        <translation>Verwantschap in beeld</translation>
    </message>
    <message>
        <source>The graph shows all ancestors necessary to explain the kinship between the highlighted probands.</source>
        <translation>De grafiek toont alle voorouders die nodig zijn om de verwantschap tussen de gemarkeerde probanden te verklaren.</translation>
    </message>
    <message>
        <source>Click on a box to highlight the lines to ancestors and descendants of that person.</source>
        <translation>Klik op een vak om de lijnen naar de voorouders en nakomelingen van die persoon te markeren.</translation>
    </message>
    <message>
        <source>The drop-down list shows all the ancestors whose genes pass via different routes to two or more of the probands. (These ancestors are on meeting points of the pedigrees of the probands.) In the graph they are grayish. When you select one from the list, the corresponding box will be accentuated.</source>
        <translation>De keuzelijst toont alle voorouders van wie de genen langs verschillende wegen twee of meer van de probanden bereiken. (Deze voorouders liggen op ontmoetingspunten van de kwartierstaten van de probanden.) In de grafiek zijn ze grijs. Kiest u er een uit de lijst, dan wordt het bijbehorende vak benadrukt.</translation>
    </message>
</context>
<context>
    <name>ChartType</name>
    <message>
        <source>Genealogy (HTML)</source>
        <translation>Genealogie (HTML)</translation>
    </message>
    <message>
        <source>Inbreeding (on screen)</source>
        <translation>Inteelt (op scherm)</translation>
    </message>
    <message>
        <source>Kinship (on screen)</source>
        <translation>Verwantschap (op scherm)</translation>
    </message>
    <message>
        <source>Offspring tree</source>
        <translation>Nakomelingenboom</translation>
    </message>
    <message>
        <source>Pedigree (HTML)</source>
        <translation>Kwartierstaat (HTML)</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Tijdlijn</translation>
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
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>lg::gui::TBrowserForm</name>
    <message>
        <source>View your tableau results, then close window to continue</source>
        <translation>Bekijk het resultaat en sluit dan het venster om verder te gaan</translation>
    </message>
</context>
<context>
    <name>lg::gui::TDimensionsForm</name>
    <message>
        <source>Box width</source>
        <translation>Vakbreedte</translation>
    </message>
    <message>
        <source>Box height</source>
        <translation>Vakhoogte</translation>
    </message>
    <message>
        <source>Horizontal spacing</source>
        <translation>Horizontale tussenruimte</translation>
    </message>
    <message>
        <source>Vertical spacing</source>
        <translation>Verticale tussenruimte</translation>
    </message>
    <message>
        <source>Name length</source>
        <translation>Naamlengte</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>Adjust dimensions</source>
        <translation>Afmetingen aanpassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>lg::gui::TExplainForm</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>lg::gui::TGCdisplay</name>
    <message>
        <source>Show previous graph</source>
        <translation>Vorig diagram tonen</translation>
    </message>
    <message>
        <source>Focus on specific name</source>
        <translation>Naar een bepaalde naam gaan</translation>
    </message>
    <message>
        <source>Show next graph</source>
        <translation>Volgend diagram tonen</translation>
    </message>
    <message>
        <source>M</source>
        <comment>male</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>F</source>
        <comment>female</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Make and view HTML output</source>
        <translation>HTML-uitvoer maken en bekijken</translation>
    </message>
    <message>
        <source>Save as picture...</source>
        <translation>Opslaan als afbeelding...</translation>
    </message>
    <message>
        <source>Save the whole chart as an SVG or PNG picture</source>
        <translation>De hele grafiek opslaan als SVG- of PNG-afbeelding</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>De grafiek opslaan als afbeelding</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>SVG-afbeelding (*.svg);;PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>Pictures are saved as SVG or PNG: name the file .svg or .png.</source>
        <translation>Afbeeldingen worden opgeslagen als SVG of PNG: geef het bestand de extensie .svg of .png.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Get a brief explanation</source>
        <translation>Korte uitleg</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Return to program</source>
        <translation>Terug naar het programma</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Send this graph to a printer</source>
        <translation>Deze grafiek naar een printer sturen</translation>
    </message>
    <message>
        <source>Truncated chart</source>
        <translation>Afgekapte grafiek</translation>
    </message>
    <message>
        <source>Check last paragraph of help</source>
        <translation>Zie de laatste alinea van de hulp</translation>
    </message>
</context>
<context>
    <name>lg::gui::THelpForm</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Inleiding</translation>
    </message>
    <message>
        <source>To get started</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Help sluiten</translation>
    </message>
</context>
<context>
    <name>lg::gui::TInbreedingForm</name>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK / All</source>
        <translation>OK / Allen</translation>
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
        <translation>Invoer</translation>
    </message>
    <message>
        <source>The GEDCOM file the charts are made of</source>
        <translation>Het GEDCOM-bestand waaruit de diagrammen worden gemaakt</translation>
    </message>
    <message>
        <source>The parameter file: every setting, and the GEDCOM it names</source>
        <translation>Het parameterbestand: alle instellingen en het GEDCOM-bestand dat erin genoemd wordt</translation>
    </message>
    <message>
        <source>The kind of chart to make</source>
        <translation>Het soort diagram dat gemaakt wordt</translation>
    </message>
    <message>
        <source>The language of the words written into the charts and pages</source>
        <translation>De taal van de teksten in de diagrammen en pagina&apos;s</translation>
    </message>
    <message>
        <source>Gedcom</source>
        <translation>Gedcom</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The chart page (tableau)</source>
        <translation>De pagina met het diagram (tableau)</translation>
    </message>
    <message>
        <source>The text page with every person&apos;s data; a # in the name makes one page per generation</source>
        <translation>De tekstpagina met de gegevens van iedere persoon; een # in de naam maakt één pagina per generatie</translation>
    </message>
    <message>
        <source>The frames page that shows chart and text together</source>
        <translation>De framepagina die diagram en tekst samen toont</translation>
    </message>
    <message>
        <source>The outline page of the whole chart; blank: none</source>
        <translation>De overzichtspagina van het hele diagram; leeg: geen</translation>
    </message>
    <message>
        <source>The title of the pages; blank: automatic</source>
        <translation>De titel van de pagina&apos;s; leeg: automatisch</translation>
    </message>
    <message>
        <source>The address of your home page; blank: no home link</source>
        <translation>Het adres van uw homepage; leeg: geen link naar de homepage</translation>
    </message>
    <message>
        <source>The tool tip of the home link</source>
        <translation>De tooltip van de homepagelink</translation>
    </message>
    <message>
        <source>Where the home link opens (_top, _self, ...)</source>
        <translation>Waar de homepagelink opent (_top, _self, ...)</translation>
    </message>
    <message>
        <source>The name of the frame that shows the text page</source>
        <translation>De naam van het frame dat de tekstpagina toont</translation>
    </message>
    <message>
        <source>Chart page</source>
        <translation>Diagrampagina</translation>
    </message>
    <message>
        <source>Text page</source>
        <translation>Tekstpagina</translation>
    </message>
    <message>
        <source>Frames page</source>
        <translation>Framepagina</translation>
    </message>
    <message>
        <source>Outline page</source>
        <translation>Overzichtspagina</translation>
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
        <translation>Tooltip homepagelink</translation>
    </message>
    <message>
        <source>Home link target</source>
        <translation>Doel homepagelink</translation>
    </message>
    <message>
        <source>Text frame</source>
        <translation>Tekstframe</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Afmetingen</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Linkermarge</translation>
    </message>
    <message>
        <source>Space left of the chart</source>
        <translation>Ruimte links van het diagram</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Bovenmarge</translation>
    </message>
    <message>
        <source>Space above the chart</source>
        <translation>Ruimte boven het diagram</translation>
    </message>
    <message>
        <source>Box width</source>
        <translation>Vakbreedte</translation>
    </message>
    <message>
        <source>Width of a name box</source>
        <translation>Breedte van een naamvak</translation>
    </message>
    <message>
        <source>Box height</source>
        <translation>Vakhoogte</translation>
    </message>
    <message>
        <source>Height of a name box</source>
        <translation>Hoogte van een naamvak</translation>
    </message>
    <message>
        <source>Horizontal space</source>
        <translation>Horizontale ruimte</translation>
    </message>
    <message>
        <source>Space between boxes side by side</source>
        <translation>Ruimte tussen naast elkaar staande vakken</translation>
    </message>
    <message>
        <source>Vertical space</source>
        <translation>Verticale ruimte</translation>
    </message>
    <message>
        <source>Space between generations</source>
        <translation>Ruimte tussen de generaties</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>Font size of the chart</source>
        <translation>Lettergrootte van het diagram</translation>
    </message>
    <message>
        <source>Name length</source>
        <translation>Naamlengte</translation>
    </message>
    <message>
        <source>Names longer than this are shortened to fit a box</source>
        <translation>Langere namen worden ingekort zodat ze in een vak passen</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Opmaak</translation>
    </message>
    <message>
        <source>The font of the pages and charts</source>
        <translation>Het lettertype van de pagina&apos;s en diagrammen</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Vrouw</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Colour of the boxes of men; click to choose</source>
        <translation>Kleur van de vakken van mannen; klik om te kiezen</translation>
    </message>
    <message>
        <source>Colour of the boxes of women; click to choose</source>
        <translation>Kleur van de vakken van vrouwen; klik om te kiezen</translation>
    </message>
    <message>
        <source>Colour of the page background; click to choose</source>
        <translation>Achtergrondkleur van de pagina; klik om te kiezen</translation>
    </message>
    <message>
        <source>The share of the frames page given to the chart</source>
        <translation>Het deel van de framepagina voor het diagram</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Chart share</source>
        <translation>Aandeel diagram</translation>
    </message>
    <message>
        <source>All descendants, only those through sons, or only those with the proband&apos;s surname</source>
        <translation>Alle nakomelingen, alleen die via zonen, of alleen die met de achternaam van de proband</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Male</source>
        <comment>descendants through sons</comment>
        <translation>Via zonen</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>descendants with the proband&apos;s surname</comment>
        <translation>Zelfde naam</translation>
    </message>
    <message>
        <source>No options for
this chart type</source>
        <translation>Geen opties voor
dit soort diagram</translation>
    </message>
    <message>
        <source>Compute the chart; hold Ctrl to keep the remembered proband and show the chart at once</source>
        <translation>Het diagram berekenen; houd Ctrl ingedrukt om de onthouden proband te behouden en het diagram meteen te tonen</translation>
    </message>
    <message>
        <source>Show the chart made last, or the error report of the checks</source>
        <translation>Het laatst gemaakte diagram tonen, of het foutenrapport van de controles</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standaardwaarden</translation>
    </message>
    <message>
        <source>The factory settings of this chart type</source>
        <translation>De standaardinstellingen van dit soort diagram</translation>
    </message>
    <message>
        <source>Options shared by every chart type</source>
        <translation>Opties die voor alle soorten diagrammen gelden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About this chart type</source>
        <translation>Over dit soort diagram</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Interrupt the computation (Esc)</source>
        <translation>De berekening onderbreken (Esc)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Close Lignorama</source>
        <translation>Lignorama afsluiten</translation>
    </message>
    <message>
        <source>The messages of the last command</source>
        <translation>De meldingen van de laatste opdracht</translation>
    </message>
    <message>
        <source>Gedcom (*.ged *.GED)</source>
        <translation>Gedcom (*.ged *.GED)</translation>
    </message>
    <message>
        <source>Input (*.txt *.TXT)</source>
        <translation>Invoer (*.txt *.TXT)</translation>
    </message>
</context>
<context>
    <name>lg::gui::TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Truncate place names</source>
        <translation>Plaatsnamen inkorten</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>1st comma</source>
        <translation>Bij 1e komma</translation>
    </message>
    <message>
        <source>2nd comma</source>
        <translation>Bij 2e komma</translation>
    </message>
    <message>
        <source>In absence of surname, use</source>
        <translation>Zonder achternaam gebruiken</translation>
    </message>
    <message>
        <source>Patronym</source>
        <translation>Patroniem</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Show baptism/christening data</source>
        <translation>Doopgegevens tonen</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Altijd</translation>
    </message>
    <message>
        <source>When essential</source>
        <translation>Alleen indien nodig</translation>
    </message>
    <message>
        <source>Show burial data</source>
        <translation>Begraafgegevens tonen</translation>
    </message>
    <message>
        <source>Show place names</source>
        <translation>Plaatsnamen tonen</translation>
    </message>
    <message>
        <source>Running text</source>
        <translation>In de lopende tekst</translation>
    </message>
    <message>
        <source>In brackets</source>
        <translation>Tussen haakjes</translation>
    </message>
    <message>
        <source>Show names</source>
        <translation>Namen tonen</translation>
    </message>
    <message>
        <source>Proper</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Formal</source>
        <translation>Formeel</translation>
    </message>
    <message>
        <source>Gedcom</source>
        <translation>Gedcom</translation>
    </message>
    <message>
        <source>Text file bookmarks</source>
        <translation>Bladwijzers in het tekstbestand</translation>
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
        <translation>Gedcom-notities bij personen tonen</translation>
    </message>
    <message>
        <source>Gedcom checks</source>
        <translation>Gedcom-controles</translation>
    </message>
    <message>
        <source>Link consistency only</source>
        <translation>Alleen consistentie van koppelingen</translation>
    </message>
    <message>
        <source>Consistency of links and dates</source>
        <translation>Consistentie van koppelingen en datums</translation>
    </message>
    <message>
        <source>Link consistency and sanity of dates</source>
        <translation>Consistentie van koppelingen en plausibiliteit van datums</translation>
    </message>
    <message>
        <source>Force language for user interface</source>
        <translation>Taal van de gebruikersinterface vastleggen</translation>
    </message>
    <message>
        <source>(effective after application restart)</source>
        <translation>(van kracht na herstart van het programma)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>lg::gui::TReturnForm</name>
    <message>
        <source>End view</source>
        <translation>Weergave beëindigen</translation>
    </message>
    <message>
        <source>Return to Lignorama</source>
        <translation>Terug naar Lignorama</translation>
    </message>
    <message>
        <source>Close browser; goto main screen</source>
        <translation>Browser sluiten; naar het hoofdscherm</translation>
    </message>
</context>
<context>
    <name>lg::gui::TSelectionForm</name>
    <message>
        <source>Select from Gedcom file</source>
        <translation>Kiezen uit Gedcom-bestand</translation>
    </message>
    <message>
        <source>Select who should be at the root of the chart (the proband).</source>
        <translation>Kies wie aan de basis van het diagram staat (de proband).</translation>
    </message>
    <message>
        <source>Nb: only persons with a tree of at least a few generations are shown (in &lt; &gt;).</source>
        <translation>NB: alleen personen met een stamboom van minstens enkele generaties worden getoond (tussen &lt; &gt;).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept the highlighted person</source>
        <translation>De gemarkeerde persoon overnemen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Abort selection</source>
        <translation>Keuze afbreken</translation>
    </message>
    <message>
        <source>Clear proband</source>
        <translation>Proband wissen</translation>
    </message>
    <message>
        <source>No selection: allows you automatic choice</source>
        <translation>Geen keuze: het programma kiest automatisch</translation>
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
        <translation>V</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>lg::gui::TinbreedingDisplay</name>
    <message>
        <source>Inbreeding coefficient F: %1%</source>
        <translation>Inteeltcoëfficiënt F: %1%</translation>
    </message>
</context>
</TS>
