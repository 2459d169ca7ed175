<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAlarmAgent</name>
    <message>
        <source> (missed, due %1)</source>
        <translation> (verpasst, fällig um %1)</translation>
    </message>
    <message>
        <source>Alarm – %1 in %2</source>
        <translation>Wecker – %1 in %2</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Wecker – %1</translation>
    </message>
</context>
<context>
    <name>CDesktopNotifier</name>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <translation>10 Min. schlummern</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Zonaria öffnen</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Alarms...</source>
        <translation>Wecker...</translation>
    </message>
    <message>
        <source>Airport Codes...</source>
        <translation>Flughafencodes...</translation>
    </message>
    <message>
        <source>Phone Codes...</source>
        <translation>Vorwahlen...</translation>
    </message>
    <message>
        <source>Distance Calculator...</source>
        <translation>Entfernungsrechner...</translation>
    </message>
    <message>
        <source>Time Calculator...</source>
        <translation>Zeitrechner...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>Sonnenaufgang...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>Mondaufgang...</translation>
    </message>
    <message>
        <source>Set Time...</source>
        <translation>Uhrzeit einstellen...</translation>
    </message>
    <message>
        <source>Edit Cities...</source>
        <translation>Städte bearbeiten...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>About Zonaria...</source>
        <translation>Über Zonaria...</translation>
    </message>
    <message>
        <source>Meeting Planner...</source>
        <translation>Besprechungsplaner...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>--in: &quot;%1&quot; is not a duration; write it like 90s, 10m, 2h or 1h30m</source>
        <translation>--in: „%1“ ist keine Dauer; schreiben Sie etwa 90s, 10m, 2h oder 1h30m</translation>
    </message>
    <message>
        <source>--in: &quot;%1&quot; is longer than a year</source>
        <translation>--in: „%1“ ist länger als ein Jahr</translation>
    </message>
    <message>
        <source>alarm add takes one city; see --help</source>
        <translation>alarm add nimmt eine Stadt; siehe --help</translation>
    </message>
    <message>
        <source>alarm add needs either --at &apos;YYYY-MM-DD HH:MM&apos; or --in DURATION</source>
        <translation>alarm add braucht --at &apos;YYYY-MM-DD HH:MM&apos; oder --in DAUER</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past. (%1 in %2)</source>
        <translation>Sie haben ein Datum und eine Uhrzeit in der Vergangenheit gewählt. (%1 in %2)</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <translation>Der Wecker kann nicht angelegt werden.  Möglicherweise ist seine Zeit bereits verstrichen.</translation>
    </message>
    <message>
        <source>Alarm %1 set: %2</source>
        <translation>Wecker %1 gestellt: %2</translation>
    </message>
    <message>
        <source>It rings at %1 in %2, %3 on this device</source>
        <translation>Er klingelt um %1 in %2, %3 auf diesem Gerät</translation>
    </message>
    <message>
        <source>alarm list takes no arguments; see --help</source>
        <translation>alarm list nimmt keine Argumente; siehe --help</translation>
    </message>
    <message>
        <source>No alarms</source>
        <translation>Keine Wecker</translation>
    </message>
    <message>
        <source>%1  %2 in %3  (device %4)  %5</source>
        <translation>%1  %2 in %3  (Gerät %4)  %5</translation>
    </message>
    <message>
        <source>alarm delete takes one HANDLE; see alarm list</source>
        <translation>alarm delete nimmt eine Kennung (HANDLE); siehe alarm list</translation>
    </message>
    <message>
        <source>Alarm %1 deleted</source>
        <translation>Wecker %1 gelöscht</translation>
    </message>
    <message>
        <source>there is no alarm %1; alarm list shows them</source>
        <translation>es gibt keinen Wecker %1; alarm list zeigt sie</translation>
    </message>
    <message>
        <source>alarm needs add, list or delete; see --help</source>
        <translation>alarm braucht add, list oder delete; siehe --help</translation>
    </message>
    <message>
        <source>%1 takes one NAME, or --lat DEG --lon DEG with --zone ID or --utc-offset +HH:MM; see --help</source>
        <translation>%1 nimmt einen NAME oder --lat DEG --lon DEG mit --zone ID oder --utc-offset +HH:MM; siehe --help</translation>
    </message>
    <message>
        <source>give either a city NAME or --lat and --lon, not both</source>
        <translation>geben Sie entweder einen Städtenamen (NAME) oder --lat und --lon an, nicht beides</translation>
    </message>
    <message>
        <source>a position needs both --lat and --lon</source>
        <translation>ein Ort braucht --lat und --lon</translation>
    </message>
    <message>
        <source>a position needs exactly one of --zone ID and --utc-offset +HH:MM</source>
        <translation>ein Ort braucht genau eines von --zone ID und --utc-offset +HH:MM</translation>
    </message>
    <message>
        <source>--utc-offset: &quot;%1&quot; is not an offset; write it as +HH:MM or -HH:MM, such as -08:00</source>
        <translation>--utc-offset: „%1“ ist keine Abweichung; schreiben Sie +HH:MM oder -HH:MM, etwa -08:00</translation>
    </message>
    <message>
        <source>--zone: %1 is not a known time-zone ID</source>
        <translation>--zone: %1 ist keine bekannte Zeitzonen-ID</translation>
    </message>
    <message>
        <source>--twilight: &quot;%1&quot; is not a kind; use none, civil, nautical or astronomical</source>
        <translation>--twilight: „%1“ ist keine Art; verwenden Sie none, civil, nautical oder astronomical</translation>
    </message>
    <message>
        <source>Begin %1 Twilight: %2</source>
        <translation>Beginn %1 Dämmerung: %2</translation>
    </message>
    <message>
        <source>Sunrise: %1</source>
        <translation>Sonnenaufgang: %1</translation>
    </message>
    <message>
        <source>Sunset: %1</source>
        <translation>Sonnenuntergang: %1</translation>
    </message>
    <message>
        <source>End %1 Twilight: %2</source>
        <translation>Ende %1 Dämmerung: %2</translation>
    </message>
    <message>
        <source>Daylight Hours: %1</source>
        <translation>Tageslicht: %1</translation>
    </message>
    <message>
        <source>Moonrise: %1</source>
        <translation>Mondaufgang: %1</translation>
    </message>
    <message>
        <source>Moonset: %1</source>
        <translation>Monduntergang: %1</translation>
    </message>
    <message>
        <source>check takes no arguments; see --help</source>
        <translation>check nimmt keine Argumente; siehe --help</translation>
    </message>
    <message>
        <source>the city database cannot be opened</source>
        <translation>die Städtedatenbank kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Profile:        </source>
        <translation>Profil:         </translation>
    </message>
    <message>
        <source>Database:       </source>
        <translation>Datenbank:      </translation>
    </message>
    <message>
        <source>State:          </source>
        <translation>Zustand:        </translation>
    </message>
    <message>
        <source>Schema version: </source>
        <translation>Schemaversion:  </translation>
    </message>
    <message>
        <source>tzdata version: </source>
        <translation>tzdata-Version: </translation>
    </message>
    <message>
        <source>Cities:         </source>
        <translation>Städte:         </translation>
    </message>
    <message>
        <source>Help file:      </source>
        <translation>Hilfedatei:     </translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Result:         </source>
        <translation>Ergebnis:       </translation>
    </message>
    <message>
        <source>city takes one NAME (quote names with blanks); see --help</source>
        <translation>city nimmt einen NAME (Namen mit Leerzeichen in Anführungszeichen); siehe --help</translation>
    </message>
    <message>
        <source>Time zone:    </source>
        <translation>Zeitzone:        </translation>
    </message>
    <message>
        <source>Latitude:     </source>
        <translation>Breite:          </translation>
    </message>
    <message>
        <source>Longitude:    </source>
        <translation>Länge:           </translation>
    </message>
    <message>
        <source>Sunrise:      </source>
        <translation>Sonnenaufgang:   </translation>
    </message>
    <message>
        <source>Sunset:       </source>
        <translation>Sonnenuntergang: </translation>
    </message>
    <message>
        <source>Airport code: </source>
        <translation>Flughafencode:   </translation>
    </message>
    <message>
        <source>Phone code:   </source>
        <translation>Vorwahl:         </translation>
    </message>
    <message>
        <source>find takes one TEXT; see --help</source>
        <translation>find nimmt einen TEXT; siehe --help</translation>
    </message>
    <message>
        <source>codes takes phone or airport, and optionally TEXT; see --help</source>
        <translation>codes nimmt phone oder airport und wahlweise TEXT; siehe --help</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a code list; use codes phone or codes airport</source>
        <translation>„%1“ ist keine Codeliste; verwenden Sie codes phone oder codes airport</translation>
    </message>
    <message>
        <source>the city database cannot be opened; move the device profile aside to reinstall it</source>
        <translation>die Städtedatenbank kann nicht geöffnet werden; verschieben Sie das Geräteprofil, um es neu anzulegen</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <translation>Vorwahl</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <translation>Flughafencode</translation>
    </message>
    <message>
        <source>%1 has %2 characters, more than any city name (at most %3, or %4 with its country): %5</source>
        <translation>%1 hat %2 Zeichen, mehr als jeder Städtename (höchstens %3, mit Land %4): %5</translation>
    </message>
    <message>
        <source>%1 needs a value; see --help</source>
        <translation>%1 braucht einen Wert; siehe --help</translation>
    </message>
    <message>
        <source>unknown option %1; see --help</source>
        <translation>unbekannte Option %1; siehe --help</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder</source>
        <translation>; setzen Sie ZONARIA_DEVICE auf einen anderen Ordner</translation>
    </message>
    <message>
        <source>the city name</source>
        <translation>der Städtename</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several cities: %2; give one of these names</source>
        <translation>„%1“ passt auf mehrere Städte: %2; geben Sie einen dieser Namen an</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; the city database is empty</source>
        <translation>unbekannte Stadt „%1“; die Städtedatenbank ist leer</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; closest names: %2 (zonaria-cli find TEXT lists more)</source>
        <translation>unbekannte Stadt „%1“; ähnlichste Namen: %2 (zonaria-cli find TEXT listet mehr)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is outside the supported years %3 to %4</source>
        <translation>%1: „%2“ liegt außerhalb der unterstützten Jahre %3 bis %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid date or time; write it as %3</source>
        <translation>%1: „%2“ ist kein gültiges Datum und keine gültige Uhrzeit; schreiben Sie %3</translation>
    </message>
    <message>
        <source>YYYY-MM-DDTHH:MM:SSZ in UTC, such as 2026-03-08T10:00:00Z</source>
        <translation>YYYY-MM-DDTHH:MM:SSZ in UTC, etwa 2026-03-08T10:00:00Z</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an instant; write it as %3</source>
        <translation>%1: „%2“ ist kein Zeitpunkt; schreiben Sie %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date; write it as %3</source>
        <translation>%1: „%2“ ist kein Datum; schreiben Sie %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a local date and time; write it as %3</source>
        <translation>%1: „%2“ ist keine Ortszeit mit Datum; schreiben Sie %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1: „%2“ ist keine Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4</source>
        <translation>%1: „%2“ ist keine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>--units: &quot;%1&quot; is not a unit system; use english, metric or nautical</source>
        <translation>--units: „%1“ sind keine Maßeinheiten; verwenden Sie english, metric oder nautical</translation>
    </message>
    <message>
        <source>The time zone of this device does not change</source>
        <translation>Die Zeitzone dieses Geräts bleibt unverändert</translation>
    </message>
    <message>
        <source>The time zone of this device is now %1</source>
        <translation>Die Zeitzone dieses Geräts ist jetzt %1</translation>
    </message>
    <message>
        <source>clock takes no arguments; see --help</source>
        <translation>clock nimmt keine Argumente; siehe --help</translation>
    </message>
    <message>
        <source>  (not in the city database)</source>
        <translation>  (nicht in der Städtedatenbank)</translation>
    </message>
    <message>
        <source>set-city takes DISPLAY (0-4) and NAME; see --help</source>
        <translation>set-city nimmt DISPLAY (0-4) und NAME; siehe --help</translation>
    </message>
    <message>
        <source>Display %1 now shows %2</source>
        <translation>Anzeige %1 zeigt jetzt %2</translation>
    </message>
    <message>
        <source>select takes DISPLAY (0-4); see --help</source>
        <translation>select nimmt DISPLAY (0-4); siehe --help</translation>
    </message>
    <message>
        <source>Display %1 (%2) is already the selected display</source>
        <translation>Anzeige %1 (%2) ist bereits die ausgewählte</translation>
    </message>
    <message>
        <source>display %1 shows &quot;%2&quot;, which is not in the city database; give it a city with set-city first</source>
        <translation>Anzeige %1 zeigt „%2“, das nicht in der Städtedatenbank steht; geben Sie ihr zuerst mit set-city eine Stadt</translation>
    </message>
    <message>
        <source>Display %1 (%2) is now the selected display</source>
        <translation>Anzeige %1 (%2) ist jetzt die ausgewählte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a position; write it as @LAT,LON in degrees, such as @37.75,-122.42</source>
        <translation>„%1“ ist kein Ort; schreiben Sie @BREITE,LÄNGE in Grad, etwa @37.75,-122.42</translation>
    </message>
    <message>
        <source>latitude of </source>
        <translation>Breite von </translation>
    </message>
    <message>
        <source>longitude of </source>
        <translation>Länge von </translation>
    </message>
    <message>
        <source>distance takes FROM and TO (city names or @LAT,LON); see --help</source>
        <translation>distance nimmt FROM und TO (Städtenamen oder @BREITE,LÄNGE); siehe --help</translation>
    </message>
    <message>
        <source>give either --speed or --mode, not both</source>
        <translation>geben Sie entweder --speed oder --mode an, nicht beides</translation>
    </message>
    <message>
        <source>From:        %1</source>
        <translation>Von:        %1</translation>
    </message>
    <message>
        <source>To:          %1</source>
        <translation>Nach:       %1</translation>
    </message>
    <message>
        <source>Distance:    %1</source>
        <translation>Entfernung: %1</translation>
    </message>
    <message>
        <source>Travel Time: %1</source>
        <translation>Reisezeit:  %1</translation>
    </message>
    <message>
        <source>at:          %1 %2 (%3)</source>
        <translation>mit:        %1 %2 (%3)</translation>
    </message>
    <message>
        <source>the reply was refused: </source>
        <translation>die Antwort wurde verworfen: </translation>
    </message>
    <message>
        <source>no socket could be opened (error %1)</source>
        <translation>es konnte kein Socket geöffnet werden (Fehler %1)</translation>
    </message>
    <message>
        <source>no such host name</source>
        <translation>diesen Hostnamen gibt es nicht</translation>
    </message>
    <message>
        <source>the name service did not answer</source>
        <translation>der Namensdienst hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the host cannot be reached (error %1)</source>
        <translation>der Host ist nicht erreichbar (Fehler %1)</translation>
    </message>
    <message>
        <source>the device clock does not read as a time</source>
        <translation>die Geräteuhr liefert keine gültige Zeit</translation>
    </message>
    <message>
        <source>the request could not be sent (error %1)</source>
        <translation>die Anfrage konnte nicht gesendet werden (Fehler %1)</translation>
    </message>
    <message>
        <source>no reply within %1 ms (time-out, error %2)</source>
        <translation>keine Antwort innerhalb von %1 ms (Zeitlimit, Fehler %2)</translation>
    </message>
    <message>
        <source>the request was refused: no time server listens on port %1</source>
        <translation>die Anfrage wurde abgewiesen: an Port %1 lauscht kein Zeitserver</translation>
    </message>
    <message>
        <source>the reply could not be received (error %1)</source>
        <translation>die Antwort konnte nicht empfangen werden (Fehler %1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is %1 bytes long, fewer than 48</source>
        <translation>sie ist %1 Byte lang, weniger als 48</translation>
    </message>
    <message>
        <source>its mode is %1, not 4 (server)</source>
        <translation>ihr Modus ist %1, nicht 4 (Server)</translation>
    </message>
    <message>
        <source>its version is %1, not 1 to 4</source>
        <translation>ihre Version ist %1, nicht 1 bis 4</translation>
    </message>
    <message>
        <source>the server&apos;s clock is not synchronised (leap indicator 3)</source>
        <translation>die Uhr des Servers ist nicht synchronisiert (Schaltsekundenanzeige 3)</translation>
    </message>
    <message>
        <source>stratum 0, a kiss-o&apos;-death (the server asks not to be queried)</source>
        <translation>Stratum 0, ein Kiss-o&apos;-Death (der Server bittet, nicht gefragt zu werden)</translation>
    </message>
    <message>
        <source>its stratum %1 is above 15</source>
        <translation>ihr Stratum %1 liegt über 15</translation>
    </message>
    <message>
        <source>its transmit timestamp is zero</source>
        <translation>ihr Sendezeitstempel ist null</translation>
    </message>
    <message>
        <source>it does not answer this request (wrong originate timestamp)</source>
        <translation>sie gehört nicht zu dieser Anfrage (falscher Ursprungszeitstempel)</translation>
    </message>
    <message>
        <source>its round-trip delay is negative (%1 s)</source>
        <translation>ihre Umlaufzeit ist negativ (%1 s)</translation>
    </message>
    <message>
        <source>its round-trip delay of %1 s is longer than the time-out</source>
        <translation>ihre Umlaufzeit von %1 s ist länger als das Zeitlimit</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>sync takes only options; see --help</source>
        <translation>sync nimmt nur Optionen; siehe --help</translation>
    </message>
    <message>
        <source>--server needs a host name or address</source>
        <translation>--server braucht einen Hostnamen oder eine Adresse</translation>
    </message>
    <message>
        <source>cannot synchronise with %1 port %2: %3; the device clock was not changed</source>
        <translation>Abgleich mit %1 Port %2 nicht möglich: %3; die Geräteuhr wurde nicht geändert</translation>
    </message>
    <message>
        <source>the server answered, but the device clock could not be set in the device profile %1</source>
        <translation>der Server hat geantwortet, aber die Geräteuhr konnte im Geräteprofil %1 nicht gestellt werden</translation>
    </message>
    <message>
        <source>Server %1 port %2: stratum %3</source>
        <translation>Server %1 Port %2: Stratum %3</translation>
    </message>
    <message>
        <source>Offset %1 s, round-trip delay %2 s</source>
        <translation>Abweichung %1 s, Umlaufzeit %2 s</translation>
    </message>
    <message>
        <source>Dry run: the device clock would be set to %1; it was not changed</source>
        <translation>Probelauf: Die Geräteuhr würde auf %1 gestellt; sie wurde nicht geändert</translation>
    </message>
    <message>
        <source>The device clock is set to %1</source>
        <translation>Die Geräteuhr ist auf %1 gestellt</translation>
    </message>
    <message>
        <source>time takes one NAME; see --help</source>
        <translation>time nimmt einen NAME; siehe --help</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zeitzone: %1</translation>
    </message>
    <message>
        <source>Daylight time: %1</source>
        <translation>Sommerzeit: %1</translation>
    </message>
    <message>
        <source>Bias: %1 minutes (UTC = local time + bias)</source>
        <translation>Abweichung: %1 Minuten (UTC = Ortszeit + Abweichung)</translation>
    </message>
    <message>
        <source>convert needs --from NAME and --local &apos;YYYY-MM-DD HH:MM&apos;; see --help</source>
        <translation>convert braucht --from NAME und --local &apos;YYYY-MM-DD HH:MM&apos;; siehe --help</translation>
    </message>
    <message>
        <source>When it is %1 in %2 (%3):</source>
        <translation>Wenn es in %2 %1 ist (%3):</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>bürgerl.</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>naut.</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>astron.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>; the alarm was not set</source>
        <translation>; der Wecker wurde nicht gestellt</translation>
    </message>
    <message>
        <source>alarm %1 could not be deleted: %2</source>
        <translation>Wecker %1 konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Device:         </source>
        <translation>Gerät:          </translation>
    </message>
    <message>
        <source>Clock change: </source>
        <translation>Zeitumstellung:  </translation>
    </message>
    <message>
        <source>none within a year</source>
        <translation>keine innerhalb eines Jahres</translation>
    </message>
    <message>
        <source>The profile is read-only; the setting could not be written: </source>
        <translation>Das Profil ist schreibgeschützt; die Einstellung konnte nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>the device&apos;s time zone could not be changed to %1 (%2); nothing was changed</source>
        <translation>die Zeitzone des Geräts konnte nicht auf %1 geändert werden (%2); es wurde nichts geändert</translation>
    </message>
    <message>
        <source>; nothing was changed</source>
        <translation>; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>; the setting could not be written</source>
        <translation>; die Einstellung konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>New Moon %1</source>
        <translation>Neumond %1</translation>
    </message>
    <message>
        <source>First Quarter %1</source>
        <translation>Erstes Viertel %1</translation>
    </message>
    <message>
        <source>Full Moon on %1</source>
        <translation>Vollmond am %1</translation>
    </message>
    <message>
        <source>Last Quarter %1</source>
        <translation>Letztes Viertel %1</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>foreign</source>
        <translation>fremd</translation>
    </message>
    <message>
        <source>newer</source>
        <translation>neuer</translation>
    </message>
    <message>
        <source>unusable</source>
        <translation>unbrauchbar</translation>
    </message>
    <message>
        <source>private (the host&apos;s clock plus an offset, and a zone, kept in the profile)</source>
        <translation>privat (die Uhr des Rechners plus eine Abweichung, und eine Zeitzone, im Profil gespeichert)</translation>
    </message>
    <message>
        <source>computer (org.freedesktop.timedate1), zone %1; automatic time %2%3</source>
        <translation>Computer (org.freedesktop.timedate1), Zeitzone %1; automatische Zeit %2%3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>, synchronized</source>
        <translation>, synchronisiert</translation>
    </message>
    <message>
        <source>computer, zone %1 from the host; %2, so the clock and zone cannot be changed</source>
        <translation>Computer, Zeitzone %1 vom Rechner; %2, daher können Uhr und Zeitzone nicht geändert werden</translation>
    </message>
    <message>
        <source>device takes computer, private or nothing; see --help</source>
        <translation>device nimmt computer, private oder nichts; siehe --help</translation>
    </message>
    <message>
        <source>device takes computer or private, not &quot;%1&quot;</source>
        <translation>device nimmt computer oder private, nicht „%1“</translation>
    </message>
    <message>
        <source>the device stays %1: %2</source>
        <translation>das Gerät bleibt %1: %2</translation>
    </message>
    <message>
        <source>Device: </source>
        <translation>Gerät: </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>not ok</source>
        <translation>nicht ok</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder, or move %1 aside to start with a new profile</source>
        <translation>; setzen Sie ZONARIA_DEVICE auf einen anderen Ordner oder verschieben Sie %1, um mit einem neuen Profil zu beginnen</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <translation>Das Profil ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the device profile %1 could not be written</source>
        <translation>das Geräteprofil %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>; what was read may be incomplete. Move %1 aside to start with a new profile; zonaria-cli check tells more</source>
        <translation>; das Gelesene ist womöglich unvollständig. Verschieben Sie %1, um mit einem neuen Profil zu beginnen; zonaria-cli check sagt mehr</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; run zonaria-cli --help for the list</source>
        <translation>unbekannter Befehl „%1“; zonaria-cli --help zeigt die Liste</translation>
    </message>
    <message>
        <source>--hours takes START-END in hours, as 9-17 or 08:30-16:30, not &quot;%1&quot;</source>
        <translation>--hours nimmt BEGINN-ENDE in Stunden, etwa 9-17 oder 08:30-16:30, nicht „%1“</translation>
    </message>
    <message>
        <source>Meeting planner for %1 in %2; * within working hours, = every city within them</source>
        <translation>Besprechungsplaner für %1 in %2; * innerhalb der Arbeitszeit, = alle Städte innerhalb ihrer Arbeitszeit</translation>
    </message>
    <message>
        <source> (day before)</source>
        <translation> (Vortag)</translation>
    </message>
    <message>
        <source> (day after)</source>
        <translation> (Folgetag)</translation>
    </message>
    <message>
        <source>%1 has a %2-hour day: its clocks change on this date</source>
        <translation>%1 hat einen Tag mit %2 Stunden: Die Uhren werden an diesem Datum umgestellt</translation>
    </message>
    <message>
        <source>No common working hours</source>
        <translation>Keine gemeinsame Arbeitszeit</translation>
    </message>
    <message>
        <source>Common working hours: %1 in %2</source>
        <translation>Gemeinsame Arbeitszeit: %1 in %2</translation>
    </message>
    <message>
        <source>%1 answered with a clock %2 s away from the device&apos;s, more than a day; the device clock was not changed (--force sets it all the same, --dry-run shows the time)</source>
        <translation>%1 antwortete mit einer Uhr, die %2 s von der des Geräts abweicht, mehr als ein Tag; die Geräteuhr wurde nicht gestellt (--force stellt sie trotzdem, --dry-run zeigt die Zeit)</translation>
    </message>
    <message>
        <source>the server answered, but the computer&apos;s clock could not be set: %1</source>
        <translation>der Server antwortete, aber die Uhr des Computers konnte nicht gestellt werden: %1</translation>
    </message>
    <message>
        <source>the city database cannot be read: %1</source>
        <translation>die Städtedatenbank kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>DeviceProfile</name>
    <message>
        <source>an unreadable schema (%1)</source>
        <translation>ein unlesbares Schema (%1)</translation>
    </message>
    <message>
        <source>the device profile is damaged: %1 %2</source>
        <translation>das Geräteprofil ist beschädigt: %1 %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>not a Zonaria device profile</source>
        <translation>kein Geräteprofil von Zonaria</translation>
    </message>
    <message>
        <source>cannot be read with the write-ahead log beside it (%1) nor without it (%2); both are left as they are</source>
        <translation>kann weder mit dem Write-Ahead-Log daneben (%1) noch ohne es (%2) gelesen werden; beide bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>the write-ahead log %1 does not belong to the device profile (%2) and cannot be set aside; move it away to use the profile</source>
        <translation>das Write-Ahead-Log %1 gehört nicht zum Geräteprofil (%2) und kann nicht beiseitegelegt werden; verschieben Sie es, um das Profil zu verwenden</translation>
    </message>
    <message>
        <source>the write-ahead log beside %1 did not belong to it (%2); it was set aside as %3 and device.db is left as it was</source>
        <translation>das Write-Ahead-Log neben %1 gehörte nicht dazu (%2); es wurde als %3 beiseitegelegt, und device.db bleibt, wie es war</translation>
    </message>
    <message>
        <source>cannot be read as a database (%1)</source>
        <translation>kann nicht als Datenbank gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read: %2</source>
        <translation>%1 des Geräteprofils kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>could not start the installation of the device profile %1: %2</source>
        <translation>die Einrichtung des Geräteprofils %1 konnte nicht beginnen: %2</translation>
    </message>
    <message>
        <source>could not create the device profile %1: %2</source>
        <translation>das Geräteprofil %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>installation step &quot;%1&quot; failed: %2</source>
        <translation>Einrichtungsschritt „%1“ fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>could not finish the device profile %1: %2</source>
        <translation>das Geräteprofil %1 konnte nicht fertiggestellt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text (%2), so it cannot name the device profile&apos;s folder</source>
        <translation>%1 ist kein UTF-8-Text (%2) und kann daher den Ordner des Geräteprofils nicht benennen</translation>
    </message>
    <message>
        <source>the device profile %1 has no device.db but is not empty; it is not made anew there, so that nothing in it is lost</source>
        <translation>das Geräteprofil %1 hat keine device.db, ist aber nicht leer; es wird dort nicht neu angelegt, damit nichts darin verloren geht</translation>
    </message>
    <message>
        <source>the device profile folder %1 cannot be made</source>
        <translation>der Ordner des Geräteprofils %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the device profile folder %1 is not writable, so no profile can be made in it</source>
        <translation>der Ordner des Geräteprofils %1 ist nicht beschreibbar, daher kann darin kein Profil angelegt werden</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 is not a file</source>
        <translation>%1 des Geräteprofils ist keine Datei</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read (permission denied)</source>
        <translation>%1 des Geräteprofils kann nicht gelesen werden (Zugriff verweigert)</translation>
    </message>
    <message>
        <source>its folder does not allow writing</source>
        <translation>sein Ordner erlaubt kein Schreiben</translation>
    </message>
    <message>
        <source>device.db does not allow writing</source>
        <translation>device.db erlaubt kein Schreiben</translation>
    </message>
    <message>
        <source>the write-ahead log %1-wal was removed while a program had the device profile open; the last changes (%2) live on only in that program until it closes: quit Zonaria&apos;s programs, zonaria-alarmd and zonaria-today too, then start again</source>
        <translation>das Write-Ahead-Log %1-wal wurde entfernt, während ein Programm das Geräteprofil geöffnet hatte; die letzten Änderungen (%2) bestehen nur noch in diesem Programm, bis es beendet wird: Beenden Sie die Programme von Zonaria, auch zonaria-alarmd und zonaria-today, und starten Sie sie neu</translation>
    </message>
    <message>
        <source>the last changes to the device profile (%1) were lost: its write-ahead log %2-wal was removed while a program had the profile open</source>
        <translation>die letzten Änderungen am Geräteprofil (%1) gingen verloren: sein Write-Ahead-Log %2-wal wurde entfernt, während ein Programm das Profil geöffnet hatte</translation>
    </message>
    <message>
        <source>SQLite can only read device.db</source>
        <translation>SQLite kann device.db nur lesen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the device profile %1 is empty and not writable (%2), so it cannot be installed</source>
        <translation>das Geräteprofil %1 ist leer und nicht beschreibbar (%2) und kann daher nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database, not a Zonaria device profile; it is left as it is</source>
        <translation>%1 ist die Datenbank eines anderen Programms, kein Geräteprofil von Zonaria; sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>the device profile %1 was made by a later version of Zonaria (schema version %2; this one knows up to %3); it is left as it is</source>
        <translation>das Geräteprofil %1 wurde von einer neueren Version von Zonaria angelegt (Schemaversion %2; diese kennt bis %3); es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>fails SQLite&apos;s check (%1)</source>
        <translation>besteht die Prüfung von SQLite nicht (%1)</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <translation>es fehlt %1</translation>
    </message>
    <message>
        <source>the device profile %1 could not be brought up to schema version %2: %3</source>
        <translation>das Geräteprofil %1 konnte nicht auf Schemaversion %2 gebracht werden: %3</translation>
    </message>
    <message>
        <source>the device profile %1 is not writable (%2)</source>
        <translation>das Geräteprofil %1 ist nicht beschreibbar (%2)</translation>
    </message>
    <message>
        <source>has a damaged page (%1)</source>
        <translation>hat eine beschädigte Seite (%1)</translation>
    </message>
    <message>
        <source>there is no device.db file</source>
        <translation>es gibt keine Datei device.db</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>sie kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>it is not a Zonaria device profile</source>
        <translation>sie ist kein Geräteprofil von Zonaria</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its schema version %1 is from a later version of Zonaria</source>
        <translation>ihre Schemaversion %1 stammt von einer neueren Version von Zonaria</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>ihr fehlt %1</translation>
    </message>
</context>
<context>
    <name>EZError</name>
    <message>
        <source>Unexpected Error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Zonaria Setup</source>
        <translation>Zonaria-Installation</translation>
    </message>
    <message>
        <source>Cannot install Zonaria.  %1</source>
        <translation>Zonaria kann nicht installiert werden.  %1</translation>
    </message>
    <message>
        <source>No application manager for handhelds is registered on this computer (the registry key HKEY_LOCAL_MACHINE\%1 is missing).</source>
        <translation>Auf diesem Computer ist kein Anwendungsmanager für Handheld-Geräte registriert (der Registrierungsschlüssel HKEY_LOCAL_MACHINE\%1 fehlt).</translation>
    </message>
    <message>
        <source>The registry key HKEY_LOCAL_MACHINE\%1 does not name the application manager&apos;s program.</source>
        <translation>Der Registrierungsschlüssel HKEY_LOCAL_MACHINE\%1 nennt kein Programm des Anwendungsmanagers.</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2.  Make sure that the file is there and that you have enough disk space.</source>
        <translation>%1 konnte nicht nach %2 kopiert werden.  Prüfen Sie, ob die Datei vorhanden und genügend Speicherplatz frei ist.</translation>
    </message>
    <message>
        <source>The application manager %1 could not be started.</source>
        <translation>Der Anwendungsmanager %1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>zonaria-cli [clock] [--json]
  The five displayed cities with their local time and date; * marks the selected display.
</source>
        <translation>zonaria-cli [clock] [--json]
  Die fünf angezeigten Städte mit Ortszeit und Datum; * markiert die ausgewählte Anzeige.
</translation>
    </message>
    <message>
        <source>zonaria-cli find TEXT [--json]
  The entries of the city list that begin with TEXT, without regard to case and accents.
</source>
        <translation>zonaria-cli find TEXT [--json]
  Die Einträge der Städteliste, die mit TEXT beginnen, ohne Rücksicht auf Groß-/Kleinschreibung
  und Akzente.
</translation>
    </message>
    <message>
        <source>zonaria-cli codes phone|airport [TEXT] [--json]
  The rows of the Phone Codes or Airport Codes list, optionally only the cities that begin
  with TEXT.
</source>
        <translation>zonaria-cli codes phone|airport [TEXT] [--json]
  Die Zeilen der Liste Vorwahlen oder Flughafencodes, auf Wunsch nur die Städte, die mit
  TEXT beginnen.
</translation>
    </message>
    <message>
        <source>zonaria-cli time NAME [--at INSTANT] [--json]
  The city&apos;s local time at an instant (default now), whether daylight time is in force and
  the bias (UTC = local time + bias, in minutes). INSTANT is UTC: 2026-03-08T10:00:00Z,
  from 1970 to 2037.
</source>
        <translation>zonaria-cli time NAME [--at INSTANT] [--json]
  Die Ortszeit der Stadt zu einem Zeitpunkt (vorgegeben: jetzt), ob Sommerzeit gilt, und die
  Abweichung (UTC = Ortszeit + Abweichung, in Minuten). INSTANT ist UTC: 2026-03-08T10:00:00Z,
  von 1970 bis 2037.
</translation>
    </message>
    <message>
        <source>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Sunrise, sunset and daylight hours of a local date (default today), with twilight on request.
</source>
        <translation>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Sonnenaufgang, Sonnenuntergang und Tageslicht an einem Datum (vorgegeben: heute), auf Wunsch
  mit Dämmerung.
</translation>
    </message>
    <message>
        <source>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Moonrise and moonset of a local date, and the last and next principal phases.
</source>
        <translation>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Mondaufgang und Monduntergang an einem Datum sowie die letzte und die nächste Hauptphase.
</translation>
    </message>
    <message>
        <source>zonaria-cli distance FROM TO [--units english|metric|nautical] [--speed N | --mode 0..11] [--json]
zonaria-cli distance --modes [--units ...]
  The Distance Calculator: FROM and TO are city names or positions @LAT,LON in degrees.
  The speed is in the unit system&apos;s speed unit (default: 500 km/h in those units); --mode
  takes a travel mode&apos;s speed (--modes lists them). Units default to the UnitSystem setting.
</source>
        <translation>zonaria-cli distance FROM TO [--units english|metric|nautical] [--speed N | --mode 0..11] [--json]
zonaria-cli distance --modes [--units ...]
  Der Entfernungsrechner: FROM und TO sind Städtenamen oder Orte @BREITE,LÄNGE in Grad.
  Die Geschwindigkeit gilt in der Einheit der Maßeinheiten (vorgegeben: 500 km/h darin); --mode
  nimmt die eines Verkehrsmittels (--modes listet sie). Einheiten nach der Einstellung UnitSystem.
</translation>
    </message>
    <message>
        <source>zonaria-cli set-city DISPLAY NAME [--json]
  Shows the city NAME in display DISPLAY (0 to 4). On the selected display the city becomes
  the device&apos;s current city, and the device takes its time zone.
</source>
        <translation>zonaria-cli set-city DISPLAY NAME [--json]
  Zeigt die Stadt NAME in der Anzeige DISPLAY (0 bis 4). In der ausgewählten Anzeige wird sie
  zur aktuellen Stadt des Geräts, und das Gerät übernimmt ihre Zeitzone.
</translation>
    </message>
    <message>
        <source>zonaria-cli select DISPLAY [--json]
  Makes display DISPLAY (0 to 4) the selected display: its city becomes the device&apos;s current
  city, and the device takes its time zone when that differs. There is no question first.
</source>
        <translation>zonaria-cli select DISPLAY [--json]
  Macht die Anzeige DISPLAY (0 bis 4) zur ausgewählten: Ihre Stadt wird die aktuelle Stadt
  des Geräts, das ihre Zeitzone übernimmt, wenn diese abweicht. Es gibt keine Rückfrage.
</translation>
    </message>
    <message>
        <source>zonaria-cli alarm add CITY (--at &apos;YYYY-MM-DD HH:MM&apos; | --in DURATION) [--message TEXT] [--json]
zonaria-cli alarm list [--json]
zonaria-cli alarm delete HANDLE [--json]
  Alarms in a city&apos;s local time, the same ones as the window&apos;s Alarms: --at is the city&apos;s
  local time, --in a time from now (90s, 10m, 2h, 1h30m). Without --message the alarm says
  &quot;It is 7:00 AM in Tokyo&quot;. A time in the past is refused. list shows each alarm&apos;s handle,
  its time in the city and on this device, and its message; delete takes a handle. The alarm
  agent zonaria-alarmd rings them, also when Zonaria is closed, and is started when needed.
</source>
        <translation>zonaria-cli alarm add CITY (--at &apos;YYYY-MM-DD HH:MM&apos; | --in DURATION) [--message TEXT] [--json]
zonaria-cli alarm list [--json]
zonaria-cli alarm delete HANDLE [--json]
  Wecker in der Ortszeit einer Stadt, dieselben wie unter Wecker im Fenster: --at ist die
  Ortszeit der Stadt, --in eine Zeit ab jetzt (90s, 10m, 2h, 1h30m). Ohne --message sagt der
  Wecker „In Tokyo ist es 7:00“. Eine vergangene Zeit wird abgelehnt. list zeigt Kennung,
  Zeit in der Stadt und auf diesem Gerät und Nachricht jedes Weckers; delete nimmt eine
  Kennung. Es klingelt zonaria-alarmd, auch bei geschlossenem Zonaria; es startet bei Bedarf.
</translation>
    </message>
    <message>
        <source>zonaria-cli: the Zonaria world clock and its calculators from a terminal.
It uses the device profile of the application ($ZONARIA_DEVICE, else ~/.local/share/zonaria/device).
--json gives machine-readable output; --help after a command describes it; --version
prints the version.
Errors print one line on stderr and exit with code 2.
</source>
        <translation>zonaria-cli: die Weltuhr Zonaria und ihre Rechner im Terminal.
Es verwendet das Geräteprofil der Anwendung ($ZONARIA_DEVICE, sonst ~/.local/share/zonaria/device).
--json gibt maschinenlesbare Ausgaben; --help nach einem Befehl beschreibt ihn; --version
zeigt die Version.
Fehler ergeben eine Zeile auf stderr und den Rückgabewert 2.
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>zonaria-cli city NAME [--json]
  Name and country, time zone, latitude and longitude, today&apos;s sunrise and sunset, airport
  and phone codes. Names are matched without regard to case, and to accents when no name
  is spelt so (Sao Paulo finds São Paulo); a name&apos;s first words are enough when they begin
  one city&apos;s name only (Chicago finds Chicago, IL). Quote names with blanks. Also when the
  city&apos;s clocks next change (&quot;Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00&quot;).
</source>
        <translation>zonaria-cli city NAME [--json]
  Name und Land, Zeitzone, Breite und Länge, heutiger Sonnenauf- und -untergang, Flughafen-
  code und Vorwahlen. Groß- und Kleinschreibung zählen nicht, Akzente nur, wenn ein Name so
  geschrieben ist (Sao Paulo findet São Paulo); die ersten Wörter eines Namens genügen, wenn
  nur ein Stadtname so beginnt (Chicago findet Chicago, IL). Namen mit Leerzeichen in
  Anführungszeichen. Dazu die nächste Zeitumstellung der Stadt („Die Uhren werden am
  So. 25 Okt. 2026 um 02:00 um 1 Stunde zurückgestellt“).
</translation>
    </message>
    <message>
        <source>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  The Time Calculator: the local time in the reference city --from, and the same instant
  in each named city (default: the five displayed cities). A local time the clocks skip is
  the time after the gap, one they repeat its first occurrence; a note says so.
</source>
        <translation>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  Der Zeitrechner: die Ortszeit in der Bezugsstadt --from und derselbe Zeitpunkt in jeder
  genannten Stadt (vorgegeben: die fünf angezeigten Städte). Eine Ortszeit, die die Uhren
  überspringen, gilt als die Zeit nach der Lücke, eine, die sie wiederholen, als ihr erstes
  Auftreten; ein Hinweis sagt es.
</translation>
    </message>
    <message>
        <source>zonaria-cli check [--json]
  Checks the device profile as SQLite&apos;s integrity check does (which the sqlite3 tool cannot:
  the city database needs Zonaria&apos;s collation), and its schema; shows the profile&apos;s path,
  schema version, tzdata version, city count and the help file&apos;s place, then ok or what
  is wrong (exit code 2), and which device the clock and zone are (see device).
</source>
        <translation>zonaria-cli check [--json]
  Prüft das Geräteprofil wie die Integritätsprüfung von SQLite (was das Werkzeug sqlite3 nicht
  kann: die Städtedatenbank braucht Zonarias Sortierfolge) sowie sein Schema; zeigt Pfad,
  Schemaversion, tzdata-Version, Zahl der Städte und den Ort der Hilfedatei, dann ok oder
  was nicht stimmt (Rückgabewert 2), und von welchem Gerät Uhr und Zeitzone kommen (siehe
  device).
</translation>
    </message>
    <message>
        <source>zonaria-cli device [computer|private] [--json]
  Shows, or chooses, the device whose clock and time zone Zonaria shows and sets: the
  computer&apos;s own, through its time service (org.freedesktop.timedate1), or a private one
  kept in the profile (the host&apos;s clock plus an offset, and a zone). A new profile takes the
  computer when its time service answers; it changes only by this command.
</source>
        <translation>zonaria-cli device [computer|private] [--json]
  Zeigt oder wählt das Gerät, dessen Uhr und Zeitzone Zonaria zeigt und stellt: das des
  Computers über seinen Zeitdienst (org.freedesktop.timedate1) oder ein privates, im Profil
  gespeichertes (die Uhr des Rechners plus eine Abweichung, und eine Zeitzone). Ein neues
  Profil nimmt den Computer, wenn dessen Zeitdienst antwortet; ändern lässt es nur dieser Befehl.
</translation>
    </message>
    <message>
        <source>zonaria-cli sync [--server HOST] [--port N] [--timeout MS] [--dry-run] [--force] [--json]
  Asks an Internet time server (SNTP, default pool.ntp.org port 123, 20000 ms time-out) for
  the time once: prints the clock offset and the round-trip delay in seconds and the server&apos;s
  stratum, and sets the device clock unless --dry-run. HOST is a name or an IPv4 or IPv6
  address. A datagram that fails a check is refused and the wait goes on for a valid reply
  until the time-out. An offset of more than a day is only applied with --force.
</source>
        <translation>zonaria-cli sync [--server HOST] [--port N] [--timeout MS] [--dry-run] [--force] [--json]
  Fragt einen Internet-Zeitserver (SNTP, vorgegeben pool.ntp.org Port 123, 20000 ms Zeitlimit)
  einmal nach der Zeit: gibt Uhrabweichung und Umlaufzeit in Sekunden sowie das Stratum des
  Servers aus und stellt die Geräteuhr, außer mit --dry-run. HOST ist ein Name oder eine IPv4-
  oder IPv6-Adresse. Ein Datagramm, das eine Prüfung nicht besteht, wird verworfen, und es
  wird bis zum Zeitlimit auf eine gültige Antwort gewartet. Eine Abweichung von mehr als einem
  Tag wird nur mit --force übernommen.
</translation>
    </message>
    <message>
        <source>zonaria-cli meet [--date YYYY-MM-DD] [--hours 9-17] [CITY ...] [--json]
  The meeting planner: each hour of the first city&apos;s local date (default today there) in
  every city, marking the hours within each city&apos;s working hours (*) and those within
  every city&apos;s (=), then the common working hours. Cities default to the five displayed,
  the current city first; working hours to the Preferences&apos; (09:00-17:00 unless set), or
  --hours for all. A clock-change date shows as a 23- or 25-hour day.
</source>
        <translation>zonaria-cli meet [--date YYYY-MM-DD] [--hours 9-17] [CITY ...] [--json]
  Der Besprechungsplaner: jede Stunde des Ortsdatums der ersten Stadt (vorgegeben: dort heute)
  in jeder Stadt, mit den Stunden innerhalb der Arbeitszeit der jeweiligen Stadt (*) und
  denen innerhalb der Arbeitszeit aller Städte (=), dann die gemeinsame Arbeitszeit.
  Vorgegeben sind die fünf angezeigten Städte, die aktuelle Stadt zuerst, und die Arbeitszeit
  aus den Optionen (09:00-17:00, sofern nicht eingestellt) oder --hours für alle. Ein Tag mit
  Zeitumstellung erscheint als Tag mit 23 oder 25 Stunden.
</translation>
    </message>
</context>
<context>
    <name>WindowUsage</name>
    <message>
        <source>Usage: zonaria [OPTION]...
Shows the local time of five cities above a world map of day and night.
A second start brings the running window to the front.

  -h, --help     show this help and exit
      --version  show the version and exit

Qt&apos;s own options (-platform NAME, -style NAME, -qwindowgeometry WxH+X+Y, ...) are accepted.
The device profile is $ZONARIA_DEVICE, else $XDG_DATA_HOME/zonaria/device.
zonaria-cli shows the world clock and runs the calculators in a terminal.
</source>
        <translation>Aufruf: zonaria [OPTION]...
Zeigt die Ortszeit von fünf Städten über einer Weltkarte von Tag und Nacht.
Ein zweiter Start holt das laufende Fenster nach vorn.

  -h, --help     diese Hilfe zeigen und beenden
      --version  die Version zeigen und beenden

Qts eigene Optionen (-platform NAME, -style NAME, -qwindowgeometry WxH+X+Y, ...) werden angenommen.
Das Geräteprofil ist $ZONARIA_DEVICE, sonst $XDG_DATA_HOME/zonaria/device.
zonaria-cli zeigt die Weltuhr und führt die Rechner in einem Terminal aus.
</translation>
    </message>
    <message>
        <source>zonaria: unknown option &apos;%1&apos;
Try &apos;zonaria --help&apos; for more information.
</source>
        <translation>zonaria: unbekannte Option „%1“
„zonaria --help“ gibt weitere Informationen.
</translation>
    </message>
</context>
<context>
    <name>Zonaria</name>
    <message>
        <source>Save changes to %s?</source>
        <comment>102</comment>
        <translation>Änderungen an %s speichern?</translation>
    </message>
    <message>
        <source>%s (%s)
%s
%s %s
Sunrise: %s
Sunset: %s
Airport: %s
Phone Code: %s - %s</source>
        <comment>108</comment>
        <translation>%s (%s)
%s
%s %s
Sonnenaufgang: %s
Sonnenuntergang: %s
Flughafen: %s
Vorwahl: %s - %s</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

(Time Zone will not change)</source>
        <comment>109</comment>
        <translation>Die aktuelle Stadt auf
„%s“ ändern?

(Die Zeitzone bleibt unverändert)</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past.</source>
        <comment>115</comment>
        <translation>Sie haben ein Datum und eine Uhrzeit in der Vergangenheit gewählt.</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <comment>117</comment>
        <translation>Der Wecker kann nicht angelegt werden.  Möglicherweise ist seine Zeit bereits verstrichen.</translation>
    </message>
    <message>
        <source>Cannot open city database.  If this problem persists, please re-install Zonaria.  Zonaria will now exit.</source>
        <comment>120</comment>
        <translation>Die Städtedatenbank kann nicht geöffnet werden.  Besteht das Problem weiterhin, installieren Sie Zonaria bitte neu.  Zonaria wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Delete selected alarm?</source>
        <comment>121</comment>
        <translation>Ausgewählten Wecker löschen?</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

This will change the time zone for this device to
&quot;%s&quot;</source>
        <comment>122</comment>
        <translation>Die aktuelle Stadt auf
„%s“ ändern?

Damit wechselt die Zeitzone dieses Geräts zu
„%s“</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <comment>124</comment>
        <translation>Neuen Wecker anlegen</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <comment>125</comment>
        <translation>Eigenschaften des Weckers anzeigen oder bearbeiten</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <comment>126</comment>
        <translation>Ausgewählten Wecker löschen</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>128</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>Time settings were synchronized to server successfully.</source>
        <comment>133</comment>
        <translation>Die Uhrzeit wurde erfolgreich mit dem Server abgeglichen.</translation>
    </message>
    <message>
        <source>Unable to synchronize time to server.  Make sure this device is connected to the internet, or try another SNTP server.</source>
        <comment>134</comment>
        <translation>Die Uhrzeit kann nicht mit dem Server abgeglichen werden.  Prüfen Sie, ob das Gerät mit dem Internet verbunden ist, oder versuchen Sie einen anderen SNTP-Server.</translation>
    </message>
    <message>
        <source>Delete city &quot;%s&quot;?</source>
        <comment>149</comment>
        <translation>Stadt „%s“ löschen?</translation>
    </message>
    <message>
        <source>You cannot delete the last city.  You must have at least one city defined in the list.</source>
        <comment>150</comment>
        <translation>Die letzte Stadt kann nicht gelöscht werden.  Die Liste muss mindestens eine Stadt enthalten.</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>159</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy of %s</source>
        <comment>160</comment>
        <translation>Kopie von %s</translation>
    </message>
    <message>
        <source>Copy %d of %s</source>
        <comment>161</comment>
        <translation>Kopie %d von %s</translation>
    </message>
    <message>
        <source>Cannot copy city &quot;%s&quot;.  Too many copies.</source>
        <comment>162</comment>
        <translation>Die Stadt „%s“ kann nicht kopiert werden.  Es gibt zu viele Kopien.</translation>
    </message>
    <message>
        <source>City name must be unique, and connot use the characters &quot;()%#*&quot;.</source>
        <comment>163</comment>
        <translation>Der Name der Stadt muss eindeutig sein und darf die Zeichen „()%#*“ nicht enthalten.</translation>
    </message>
    <message>
        <source>Create new city &quot;%s&quot;?</source>
        <comment>164</comment>
        <translation>Neue Stadt „%s“ anlegen?</translation>
    </message>
    <message>
        <source>Cannot delete a city that is currently displayed on the main screen.</source>
        <comment>165</comment>
        <translation>Eine Stadt, die auf dem Hauptbildschirm angezeigt wird, kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>City in %s</source>
        <comment>168</comment>
        <translation>Stadt in %s</translation>
    </message>
    <message>
        <source>Save changes to the time and date settings?</source>
        <comment>171</comment>
        <translation>Änderungen an Uhrzeit und Datum speichern?</translation>
    </message>
    <message>
        <source>Begin Civil Twilight:
Sunrise:
Sunset:
End Civil Twilight:

Daylight Hours:</source>
        <comment>172</comment>
        <translation>Beginn bürgerl. Dämmerung:
Sonnenaufgang:
Sonnenuntergang:
Ende bürgerl. Dämmerung:

Tageslicht:</translation>
    </message>
    <message>
        <source>Begin Nautical Twilight:
Sunrise:
Sunset:
End Nautical Twilight:

Daylight Hours:</source>
        <comment>173</comment>
        <translation>Beginn naut. Dämmerung:
Sonnenaufgang:
Sonnenuntergang:
Ende naut. Dämmerung:

Tageslicht:</translation>
    </message>
    <message>
        <source>Begin Astronomical Twilight:
Sunrise:
Sunset:
End Astronomical Twilight:

Daylight Hours:</source>
        <comment>174</comment>
        <translation>Beginn astron. Dämmerung:
Sonnenaufgang:
Sonnenuntergang:
Ende astron. Dämmerung:

Tageslicht:</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <comment>175</comment>
        <translation>Sonnenaufgang:
Sonnenuntergang:

Tageslicht:</translation>
    </message>
    <message>
        <source>New Moon %s</source>
        <comment>177</comment>
        <translation>Neumond %s</translation>
    </message>
    <message>
        <source>First Quarter %s</source>
        <comment>178</comment>
        <translation>Erstes Viertel %s</translation>
    </message>
    <message>
        <source>Full Moon on %s</source>
        <comment>179</comment>
        <translation>Vollmond am %s</translation>
    </message>
    <message>
        <source>Last Quarter %s</source>
        <comment>180</comment>
        <translation>Letztes Viertel %s</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>182</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>City</source>
        <comment>2000</comment>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <comment>2001</comment>
        <translation>Vorwahl</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>2002</comment>
        <translation>Land</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <comment>2003</comment>
        <translation>Flughafencode</translation>
    </message>
    <message>
        <source>2~Walk</source>
        <comment>5000</comment>
        <translation>2~Zu Fuß</translation>
    </message>
    <message>
        <source>8~Sailboat</source>
        <comment>5001</comment>
        <translation>8~Segelboot</translation>
    </message>
    <message>
        <source>10~Bicycle</source>
        <comment>5002</comment>
        <translation>10~Fahrrad</translation>
    </message>
    <message>
        <source>22~Cruise Ship</source>
        <comment>5003</comment>
        <translation>22~Kreuzfahrtschiff</translation>
    </message>
    <message>
        <source>48~Automobile</source>
        <comment>5004</comment>
        <translation>48~Auto</translation>
    </message>
    <message>
        <source>60~Train</source>
        <comment>5005</comment>
        <translation>60~Zug</translation>
    </message>
    <message>
        <source>136~High Speed Train</source>
        <comment>5006</comment>
        <translation>136~Hochgeschwindigkeitszug</translation>
    </message>
    <message>
        <source>125~Private Plane</source>
        <comment>5007</comment>
        <translation>125~Privatflugzeug</translation>
    </message>
    <message>
        <source>200~Commuter Turbo-Prop</source>
        <comment>5008</comment>
        <translation>200~Turboprop-Zubringer</translation>
    </message>
    <message>
        <source>450~Commercial Jet</source>
        <comment>5009</comment>
        <translation>450~Verkehrsflugzeug</translation>
    </message>
    <message>
        <source>520~Commercial Jet (fastest)</source>
        <comment>5010</comment>
        <translation>520~Verkehrsflugzeug (schnellstes)</translation>
    </message>
    <message>
        <source>1160~Concorde Supersonic</source>
        <comment>5011</comment>
        <translation>1160~Concorde (Überschall)</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>32784</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>32799</comment>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>32790</comment>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Time Calculator</source>
        <comment>32801</comment>
        <translation>Zeitrechner</translation>
    </message>
    <message>
        <source>Distance Calculator</source>
        <comment>32800</comment>
        <translation>Entfernungsrechner</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <comment>32791</comment>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <comment>32792</comment>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>40001</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Zonaria Help</source>
        <comment>40002</comment>
        <translation>Zonaria-Hilfe</translation>
    </message>
    <message>
        <source>The help file Zonaria.htm was not found beside the program.  Reinstalling Zonaria restores it.</source>
        <comment>40003</comment>
        <translation>Die Hilfedatei Zonaria.htm wurde neben dem Programm nicht gefunden.  Eine Neuinstallation von Zonaria stellt sie wieder her.</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help.  Install xdg-utils and a web browser to read it.</source>
        <comment>40004</comment>
        <translation>Es konnte kein Webbrowser für die Hilfe gestartet werden.  Installieren Sie xdg-utils und einen Webbrowser, um sie zu lesen.</translation>
    </message>
    <message>
        <source>The device profile at %s cannot be used: %s</source>
        <comment>40005</comment>
        <translation>Das Geräteprofil unter %s ist nicht verwendbar: %s</translation>
    </message>
    <message>
        <source>Please enter a speed between 0 and 1,000,000.</source>
        <comment>40101</comment>
        <translation>Bitte geben Sie eine Geschwindigkeit zwischen 0 und 1.000.000 ein.</translation>
    </message>
    <message>
        <source>Arrives %s local time</source>
        <comment>40102</comment>
        <translation>Ankunft %s Ortszeit</translation>
    </message>
    <message>
        <source>Please enter an integer between %d and %d.</source>
        <comment>40201</comment>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %d und %d ein.</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be saved: the city database refused the change.  Nothing was changed; check the free space of the device and try again.</source>
        <comment>40202</comment>
        <translation>Die Stadt „%s“ konnte nicht gespeichert werden: Die Städtedatenbank hat die Änderung abgelehnt.  Es wurde nichts geändert; prüfen Sie den freien Speicher des Geräts und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be deleted: the city database refused the change.</source>
        <comment>40203</comment>
        <translation>Die Stadt „%s“ konnte nicht gelöscht werden: Die Städtedatenbank hat die Änderung abgelehnt.</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>110</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>It is %s in %s</source>
        <comment>114</comment>
        <translation>In %2$s ist es %1$s</translation>
    </message>
    <message>
        <source>The time zone could not be changed to &quot;%s&quot;: %s.

Nothing was changed; the current city stays &quot;%s&quot;.</source>
        <comment>40301</comment>
        <translation>Die Zeitzone konnte nicht auf „%s“ geändert werden: %s.

Es wurde nichts geändert; die aktuelle Stadt bleibt „%s“.</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically.  Turn automatic time off and set the clock by hand?</source>
        <comment>40302</comment>
        <translation>Dieser Computer stellt seine Uhr automatisch.  Die automatische Zeit ausschalten und die Uhr von Hand stellen?</translation>
    </message>
    <message>
        <source>The clock of this computer could not be set: %s.</source>
        <comment>40303</comment>
        <translation>Die Uhr dieses Computers konnte nicht gestellt werden: %s.</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is synchronized.</source>
        <comment>40304</comment>
        <translation>Dieser Computer stellt seine Uhr automatisch; sie ist synchronisiert.</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is not synchronized yet.</source>
        <comment>40305</comment>
        <translation>Dieser Computer stellt seine Uhr automatisch; sie ist noch nicht synchronisiert.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is set by hand.</source>
        <comment>40306</comment>
        <translation>Die Uhr dieses Computers wird von Hand gestellt.</translation>
    </message>
    <message>
        <source>Set the time automatically</source>
        <comment>40307</comment>
        <translation>Uhrzeit automatisch einstellen</translation>
    </message>
    <message>
        <source>Automatic time could not be changed: %s.</source>
        <comment>40308</comment>
        <translation>Die automatische Zeit konnte nicht umgeschaltet werden: %s.</translation>
    </message>
    <message>
        <source>Clock and time zone: this computer&apos;s own (%s)</source>
        <comment>40309</comment>
        <translation>Uhr und Zeitzone: die dieses Computers (%s)</translation>
    </message>
    <message>
        <source>Clock and time zone: Zonaria&apos;s own, kept in its profile</source>
        <comment>40310</comment>
        <translation>Uhr und Zeitzone: Zonarias eigene, im Profil gespeichert</translation>
    </message>
    <message>
        <source>The SNTP server &quot;%s&quot; was not found.  Check its name, or choose another SNTP server.</source>
        <comment>40321</comment>
        <translation>Der SNTP-Server „%s“ wurde nicht gefunden.  Prüfen Sie seinen Namen oder wählen Sie einen anderen SNTP-Server.</translation>
    </message>
    <message>
        <source>The time server&apos;s clock is %s away from this device&apos;s clock.  Set this device&apos;s clock to it anyway?</source>
        <comment>40322</comment>
        <translation>Die Uhr des Zeitservers weicht um %s von der Uhr dieses Geräts ab.  Die Uhr dieses Geräts trotzdem danach stellen?</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <comment>40323</comment>
        <translation>Das Profil ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <comment>40324</comment>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The change could not be saved: %s.</source>
        <comment>40325</comment>
        <translation>Die Änderung konnte nicht gespeichert werden: %s.</translation>
    </message>
    <message>
        <source>The city list could not be read completely, so cities are missing from it: %s</source>
        <comment>40326</comment>
        <translation>Die Städteliste konnte nicht vollständig gelesen werden, daher fehlen darin Städte: %s</translation>
    </message>
</context>
<context>
    <name>za::CityInstall</name>
    <message>
        <source>cannot write the first city (error %1)</source>
        <translation>die erste Stadt kann nicht geschrieben werden (Fehler %1)</translation>
    </message>
    <message>
        <source>cannot create the city database (error %1)</source>
        <translation>die Städtedatenbank kann nicht angelegt werden (Fehler %1)</translation>
    </message>
    <message>
        <source>cannot open the new city database (error %1)</source>
        <translation>die neue Städtedatenbank kann nicht geöffnet werden (Fehler %1)</translation>
    </message>
    <message>
        <source>line %1 of the city list</source>
        <translation>Zeile %1 der Städteliste</translation>
    </message>
    <message>
        <source>%1 repeats the city name &quot;%2&quot;</source>
        <translation>%1 wiederholt den Stadtnamen „%2“</translation>
    </message>
    <message>
        <source>cannot store %1 (error %2)</source>
        <translation>%1 kann nicht gespeichert werden (Fehler %2)</translation>
    </message>
    <message>
        <source>time zone %1 cannot be derived for %2</source>
        <translation>die Zeitzone %1 lässt sich für %2 nicht ableiten</translation>
    </message>
    <message>
        <source>cannot write the time-zone table (error %1)</source>
        <translation>die Zeitzonentabelle kann nicht geschrieben werden (Fehler %1)</translation>
    </message>
    <message>
        <source>the city list has no &quot;%1&quot;</source>
        <translation>die Städteliste enthält kein „%1“</translation>
    </message>
    <message>
        <source>cannot make %1 the home city</source>
        <translation>%1 kann nicht zur Heimatstadt gemacht werden</translation>
    </message>
    <message>
        <source>cannot write the Clock settings (error %1)</source>
        <translation>die Uhreinstellungen können nicht geschrieben werden (Fehler %1)</translation>
    </message>
    <message>
        <source>cannot store the city list (error %1)</source>
        <translation>die Städteliste kann nicht gespeichert werden (Fehler %1)</translation>
    </message>
    <message>
        <source>cannot write the Today item&apos;s key (error %1)</source>
        <translation>der Schlüssel des Heute-Elements kann nicht geschrieben werden (Fehler %1)</translation>
    </message>
</context>
<context>
    <name>za::CityListCsv</name>
    <message>
        <source>the city list ends inside a quoted field</source>
        <translation>die Städteliste endet innerhalb eines Felds in Anführungszeichen</translation>
    </message>
    <message>
        <source>the city list has no cities or not the expected columns</source>
        <translation>die Städteliste enthält keine Städte oder nicht die erwarteten Spalten</translation>
    </message>
    <message>
        <source>line %1 of the city list is malformed</source>
        <translation>Zeile %1 der Städteliste ist fehlerhaft</translation>
    </message>
</context>
<context>
    <name>za::CurrentCity</name>
    <message>
        <source>the selected display (%1) is not one of the five</source>
        <translation>die ausgewählte Anzeige (%1) ist keine der fünf</translation>
    </message>
    <message>
        <source>the current city %1 (display %2) is not in the device&apos;s time zone (%3)</source>
        <translation>die aktuelle Stadt %1 (Anzeige %2) liegt nicht in der Zeitzone des Geräts (%3)</translation>
    </message>
</context>
<context>
    <name>za::SpokenText</name>
    <message>
        <source>, daylight saving time</source>
        <translation>, Sommerzeit</translation>
    </message>
</context>
<context>
    <name>za::app::CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>za::app::CAirportCodesDlg</name>
    <message>
        <source>Airport Codes</source>
        <translation>Flughafencodes</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmListCtrl</name>
    <message>
        <source>Alarms</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Delete Alarm</source>
        <translation>Wecker löschen</translation>
    </message>
    <message>
        <source>Alarm Properties...</source>
        <translation>Eigenschaften des Weckers...</translation>
    </message>
    <message>
        <source>New Alarm...</source>
        <translation>Neuer Wecker...</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmsDlg</name>
    <message>
        <source>Alarms</source>
        <translation>Wecker</translation>
    </message>
</context>
<context>
    <name>za::app::CAstroDlg</name>
    <message>
        <source>Choose a City and a Date</source>
        <translation>Stadt und Datum wählen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>za::app::CCitiesDlg</name>
    <message>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
</context>
<context>
    <name>za::app::CCityDisplay</name>
    <message>
        <source>Select a City</source>
        <translation>Stadt auswählen</translation>
    </message>
    <message>
        <source>Set as Current City</source>
        <translation>Als aktuelle Stadt festlegen</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Wecker stellen...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>Sonnenaufgang...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>Mondaufgang...</translation>
    </message>
    <message>
        <source>View/Edit Details...</source>
        <translation>Details anzeigen/bearbeiten...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListCtrl</name>
    <message>
        <source>Delete City</source>
        <translation>Stadt löschen</translation>
    </message>
    <message>
        <source>Edit City...</source>
        <translation>Stadt bearbeiten...</translation>
    </message>
    <message>
        <source>Copy City...</source>
        <translation>Stadt kopieren...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListDlg</name>
    <message>
        <source>Search by city, country or code</source>
        <translation>Nach Stadt, Land oder Code suchen</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>Städte suchen</translation>
    </message>
</context>
<context>
    <name>za::app::CCityPickerPopup</name>
    <message>
        <source>Select a City</source>
        <translation>Stadt auswählen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>Städte suchen</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <source>Type to narrow the list, Enter chooses, Esc cancels</source>
        <translation>Tippen grenzt die Liste ein, Eingabe wählt, Esc bricht ab</translation>
    </message>
</context>
<context>
    <name>za::app::CDialogFrame</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation>Neuen Wecker anlegen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <translation>Eigenschaften des Weckers anzeigen oder bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <translation>Ausgewählten Wecker löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Create a copy of the selected city</source>
        <translation>Kopie der ausgewählten Stadt anlegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View or edit city properties</source>
        <translation>Eigenschaften der Stadt anzeigen oder bearbeiten</translation>
    </message>
    <message>
        <source>Delete the selected city</source>
        <translation>Ausgewählte Stadt löschen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>za::app::CDistanceCalcDlg</name>
    <message>
        <source>Distance Calculator</source>
        <translation>Entfernungsrechner</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Distance and Travel Time Between Cities</source>
        <translation>Entfernung und Reisezeit zwischen Städten</translation>
    </message>
    <message>
        <source>Travel Speed</source>
        <translation>Reisegeschwindigkeit</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Entfernung:</translation>
    </message>
    <message>
        <source>Travel Time:</source>
        <translation>Reisezeit:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Nach:</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>mit:</translation>
    </message>
</context>
<context>
    <name>za::app::CHelpButton</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>za::app::CMainFrame</name>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>za::app::CMainView</name>
    <message>
        <source>Main screen</source>
        <translation>Hauptbildschirm</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Welcome to Zonaria. Click a city or the map for its facts, right-click a city for its menu. &lt;a href=&quot;welcome&quot;&gt;Getting started&lt;/a&gt;</source>
        <translation>Willkommen bei Zonaria. Klicken Sie auf eine Stadt oder die Karte, um mehr zu erfahren, mit der rechten Maustaste auf eine Stadt für ihr Menü. &lt;a href=&quot;welcome&quot;&gt;Erste Schritte&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close the welcome</source>
        <translation>Begrüßung schließen</translation>
    </message>
</context>
<context>
    <name>za::app::CMeetingPlannerDlg</name>
    <message>
        <source>Meeting Planner</source>
        <translation>Besprechungsplaner</translation>
    </message>
    <message>
        <source>Hours of the displayed cities on this date in the current city:</source>
        <translation>Stunden der angezeigten Städte an diesem Datum der aktuellen Stadt:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Picked hour</source>
        <translation>Gewählte Stunde</translation>
    </message>
    <message>
        <source>Common working hours</source>
        <translation>Gemeinsame Arbeitszeit</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Arbeitszeit von</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Arbeitszeit bis</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Working hours in %1:</source>
        <translation>Arbeitszeit in %1:</translation>
    </message>
</context>
<context>
    <name>za::app::CMoonriseDlg</name>
    <message>
        <source>Moonrise:
Moonset:</source>
        <translation>Mondaufgang:
Monduntergang:</translation>
    </message>
    <message>
        <source>Moonrise and Moonset</source>
        <translation>Mondaufgang und Monduntergang</translation>
    </message>
    <message>
        <source>Moonrise and Moonset Information</source>
        <translation>Mondaufgang und -untergang</translation>
    </message>
</context>
<context>
    <name>za::app::CPageCity</name>
    <message>
        <source>City Info</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>City Name:</source>
        <translation>Name der Stadt:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>Landesvorwahl:</translation>
    </message>
    <message>
        <source>Area / City Code:</source>
        <translation>Ortsvorwahl:</translation>
    </message>
    <message>
        <source>Airport:</source>
        <translation>Flughafen:</translation>
    </message>
</context>
<context>
    <name>za::app::CPageLocation</name>
    <message>
        <source>Location</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite in Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite in Minuten</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge in Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge in Minuten</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>Nord oder Süd</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>Ost oder West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Degrees; decimal degrees such as 48.8566, 2.3522 may be pasted here</source>
        <translation>Grad; Dezimalgrad wie 48.8566, 2.3522 können hier eingefügt werden</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
</context>
<context>
    <name>za::app::CPageTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Daylight Savings Time Rule</source>
        <translation>Sommerzeitregel</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>The current city&apos;s time zone is the device&apos;s own.</source>
        <translation>Die Zeitzone der aktuellen Stadt ist die des Geräts.</translation>
    </message>
    <message>
        <source>Next Clock Change</source>
        <translation>Nächste Zeitumstellung</translation>
    </message>
    <message>
        <source>None within a year</source>
        <translation>Keine innerhalb eines Jahres</translation>
    </message>
</context>
<context>
    <name>za::app::CPhoneCodesDlg</name>
    <message>
        <source>Phone Codes</source>
        <translation>Vorwahlen</translation>
    </message>
</context>
<context>
    <name>za::app::CPlannerGrid</name>
    <message>
        <source>Hours of the cities</source>
        <translation>Stunden der Städte</translation>
    </message>
    <message>
        <source> (%1 h)</source>
        <translation> (%1 Std.)</translation>
    </message>
</context>
<context>
    <name>za::app::CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Show &apos;current city&apos; buttons in city displays</source>
        <translation>Schaltfläche „aktuelle Stadt“ in den Anzeigen zeigen</translation>
    </message>
    <message>
        <source>Show &apos;change city&apos; buttons in city displays</source>
        <translation>Schaltfläche „Stadt wechseln“ in den Anzeigen zeigen</translation>
    </message>
    <message>
        <source>No Twilight</source>
        <translation>Keine Dämmerung</translation>
    </message>
    <message>
        <source>Civil Twilight</source>
        <translation>Bürgerliche Dämmerung</translation>
    </message>
    <message>
        <source>Nautical Twilight</source>
        <translation>Nautische Dämmerung</translation>
    </message>
    <message>
        <source>Astronomical Twilight</source>
        <translation>Astronomische Dämmerung</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angloamerikanisch</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Nautical Miles</source>
        <translation>Seemeilen</translation>
    </message>
    <message>
        <source>Show Zonaria cities on the Today screen</source>
        <translation>Zonaria-Städte auf dem Heute-Bildschirm zeigen</translation>
    </message>
    <message>
        <source>Twilight:</source>
        <translation>Dämmerung:</translation>
    </message>
    <message>
        <source>Unit System:</source>
        <translation>Maßeinheiten:</translation>
    </message>
    <message>
        <source>Number of cities on today screen:</source>
        <translation>Städte auf dem Heute-Bildschirm:</translation>
    </message>
    <message>
        <source>Show offsets</source>
        <translation>Zeitunterschiede zeigen</translation>
    </message>
    <message>
        <source>Each city display shows its difference from the current city</source>
        <translation>Jede Anzeige zeigt ihren Zeitunterschied zur aktuellen Stadt</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Arbeitszeit von</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Arbeitszeit bis</translation>
    </message>
    <message>
        <source>Working hours:</source>
        <translation>Arbeitszeit:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
</context>
<context>
    <name>za::app::CSetAlarmDlg</name>
    <message>
        <source>Set Alarm</source>
        <translation>Wecker stellen</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Alarm Message</source>
        <translation>Weckernachricht</translation>
    </message>
    <message>
        <source>Default Message</source>
        <translation>Standardnachricht</translation>
    </message>
    <message>
        <source>When it is:</source>
        <translation>Ortszeit:</translation>
    </message>
    <message>
        <source>On this day:</source>
        <translation>Am:</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>in:</source>
        <translation>in:</translation>
    </message>
    <message>
        <source>Set the alarm sound in your desktop&apos;s sound settings</source>
        <translation>Den Weckton legen Sie in den Klangeinstellungen Ihrer Arbeitsumgebung fest</translation>
    </message>
    <message>
        <source>Alarm Time Note</source>
        <translation>Hinweis zur Weckzeit</translation>
    </message>
</context>
<context>
    <name>za::app::CSetTimeDlg</name>
    <message>
        <source>Set Time</source>
        <translation>Uhrzeit einstellen</translation>
    </message>
    <message>
        <source>Time and Date Settings</source>
        <translation>Uhrzeit und Datum</translation>
    </message>
    <message>
        <source>Synchronize to Internet Time</source>
        <translation>Mit Internetzeit abgleichen</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>Select an SNTP time server from the list, or type one in.  Then click the &apos;Sync&apos; button to synchronize the computer&apos;s time to the server.</source>
        <translation>Wählen Sie einen SNTP-Zeitserver aus der Liste oder geben Sie einen ein.  Klicken Sie dann auf „Abgleichen“, um die Uhrzeit des Computers mit dem Server abzugleichen.</translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>za::app::CSunriseDlg</name>
    <message>
        <source>Sunrise and Sunset</source>
        <translation>Sonnenaufgang und Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sunrise and Sunset Information</source>
        <translation>Sonnenauf- und -untergang</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <translation>Sonnenaufgang:
Sonnenuntergang:

Tageslicht:</translation>
    </message>
</context>
<context>
    <name>za::app::CTimeCalcDlg</name>
    <message>
        <source>Time Calculator</source>
        <translation>Zeitrechner</translation>
    </message>
    <message>
        <source>When its this time in the reference city:</source>
        <translation>Wenn es in der Bezugsstadt so spät ist:</translation>
    </message>
    <message>
        <source>The time in these cities will be:</source>
        <translation>ist es in diesen Städten:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Tageszeit</translation>
    </message>
    <message>
        <source>Drag to move the reference time through the day</source>
        <translation>Ziehen, um die Bezugszeit durch den Tag zu bewegen</translation>
    </message>
    <message>
        <source>Reference Time Note</source>
        <translation>Hinweis zur Bezugszeit</translation>
    </message>
</context>
<context>
    <name>za::app::CWorldMapWnd</name>
    <message>
        <source>World map</source>
        <translation>Weltkarte</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayHost</name>
    <message>
        <source>Zonaria Today</source>
        <translation>Zonaria Heute</translation>
    </message>
    <message>
        <source>No Today item is shown.
Zonaria&apos;s Preferences turn it on.</source>
        <translation>Es wird kein Heute-Element angezeigt.
In den Optionen von Zonaria lässt es sich einschalten.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Optionen…</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Zonaria öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The device profile at %1 cannot be used: %2</source>
        <translation>Das Geräteprofil unter %1 kann nicht verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayItem</name>
    <message>
        <source>, current city</source>
        <translation>, aktuelle Stadt</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <translation>Zonaria</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayOptionsDlg</name>
    <message>
        <source>The Zonaria today screen always displays the same cities that are shown on the Zonaria application main screen.  To change the cities shown on the today screen, change the displayed cities on the Zonaria main screen. </source>
        <translation>Der Heute-Bildschirm von Zonaria zeigt stets dieselben Städte wie der Hauptbildschirm von Zonaria.  Um die Städte auf dem Heute-Bildschirm zu ändern, ändern Sie die angezeigten Städte auf dem Hauptbildschirm von Zonaria. </translation>
    </message>
    <message>
        <source>Today: Zonaria Options</source>
        <translation>Heute: Zonaria-Optionen</translation>
    </message>
    <message>
        <source>Number of cities to show:</source>
        <translation>Anzahl der Städte:</translation>
    </message>
</context>
<context>
    <name>zalib</name>
    <message>
        <source>Never rises</source>
        <comment>500</comment>
        <translation>Geht nie auf</translation>
    </message>
    <message>
        <source>Never sets</source>
        <comment>501</comment>
        <translation>Geht nie unter</translation>
    </message>
    <message>
        <source>Always light</source>
        <comment>502</comment>
        <translation>Immer hell</translation>
    </message>
    <message>
        <source>Always dark</source>
        <comment>503</comment>
        <translation>Immer dunkel</translation>
    </message>
    <message>
        <source>Does not observe daylight savings time</source>
        <comment>504</comment>
        <translation>Keine Sommerzeit</translation>
    </message>
    <message>
        <source>First</source>
        <comment>505</comment>
        <translation>ersten</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>506</comment>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>507</comment>
        <translation>dritten</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>508</comment>
        <translation>vierten</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>509</comment>
        <translation>letzten</translation>
    </message>
    <message>
        <source>%s %s in %s to %s %s in %s</source>
        <comment>510</comment>
        <translation>Vom %s %s im %s bis zum %s %s im %s</translation>
    </message>
    <message>
        <source>%.0f miles</source>
        <comment>511</comment>
        <translation>%.0f Meilen</translation>
    </message>
    <message>
        <source>%.0f nautical miles</source>
        <comment>512</comment>
        <translation>%.0f Seemeilen</translation>
    </message>
    <message>
        <source>%.0f km</source>
        <comment>513</comment>
        <translation>%.0f km</translation>
    </message>
    <message>
        <source>%.0f km/hour</source>
        <comment>514</comment>
        <translation>%.0f km/h</translation>
    </message>
    <message>
        <source>%.0f miles/hour</source>
        <comment>515</comment>
        <translation>%.0f Meilen/h</translation>
    </message>
    <message>
        <source>%.0f knots</source>
        <comment>516</comment>
        <translation>%.0f Knoten</translation>
    </message>
    <message numerus="yes">
        <source>%d days %d hours %d min</source>
        <comment>517</comment>
        <translation>
            <numerusform>%d Tag %d Std. %d Min.</numerusform>
            <numerusform>%d Tage %d Std. %d Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d hours %d min</source>
        <comment>518</comment>
        <translation>
            <numerusform>%d Stunde %d Min.</numerusform>
            <numerusform>%d Stunden %d Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min %d sec</source>
        <comment>519</comment>
        <translation>
            <numerusform>%d Min. %d Sek.</numerusform>
            <numerusform>%d Min. %d Sek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d hr %d min</source>
        <comment>520</comment>
        <translation>
            <numerusform>%d Std. %d Min.</numerusform>
            <numerusform>%d Std. %d Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>%d° %d´ E</source>
        <comment>521</comment>
        <translation>%d° %d´ O</translation>
    </message>
    <message>
        <source>%d° %d´ W</source>
        <comment>522</comment>
        <translation>%d° %d´ W</translation>
    </message>
    <message>
        <source>%d° %d´ N</source>
        <comment>523</comment>
        <translation>%d° %d´ N</translation>
    </message>
    <message>
        <source>%d° %d´ S</source>
        <comment>524</comment>
        <translation>%d° %d´ S</translation>
    </message>
    <message>
        <source>%s does not exist in %s that day (the clocks go forward): %s is taken.</source>
        <comment>540</comment>
        <translation>%s gibt es an diesem Tag in %s nicht (die Uhren werden vorgestellt): %s wird genommen.</translation>
    </message>
    <message>
        <source>%s occurs twice in %s that day (the clocks go back): the first, %s, is taken.</source>
        <comment>541</comment>
        <translation>%s kommt an diesem Tag in %s zweimal vor (die Uhren werden zurückgestellt): Das erste, %s, wird genommen.</translation>
    </message>
    <message>
        <source>Clocks go forward %s on %s at %s</source>
        <comment>600</comment>
        <translation>Die Uhren werden am %2$s um %3$s um %1$s vorgestellt</translation>
    </message>
    <message>
        <source>Clocks go back %s on %s at %s</source>
        <comment>601</comment>
        <translation>Die Uhren werden am %2$s um %3$s um %1$s zurückgestellt</translation>
    </message>
    <message>
        <source>1 hour</source>
        <comment>602</comment>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%d hours</source>
        <comment>603</comment>
        <translation>%d Stunden</translation>
    </message>
    <message>
        <source>%d min</source>
        <comment>604</comment>
        <translation>%d Min.</translation>
    </message>
    <message>
        <source>%s %d min</source>
        <comment>605</comment>
        <translation>%s %d Min.</translation>
    </message>
    <message>
        <source>%s%d h</source>
        <comment>606</comment>
        <translation>%s%d h</translation>
    </message>
    <message>
        <source>%s%d h %d min</source>
        <comment>607</comment>
        <translation>%s%d h %d min</translation>
    </message>
    <message>
        <source>yesterday</source>
        <comment>608</comment>
        <translation>gestern</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <comment>609</comment>
        <translation>morgen</translation>
    </message>
    <message>
        <source>Sun overhead: %s</source>
        <comment>610</comment>
        <translation>Sonne im Zenit: %s</translation>
    </message>
    <message>
        <source>Moon overhead: %s</source>
        <comment>611</comment>
        <translation>Mond im Zenit: %s</translation>
    </message>
    <message>
        <source>%d° N</source>
        <comment>612</comment>
        <translation>%d° N</translation>
    </message>
    <message>
        <source>%d° S</source>
        <comment>613</comment>
        <translation>%d° S</translation>
    </message>
    <message>
        <source>%d° E</source>
        <comment>614</comment>
        <translation>%d° O</translation>
    </message>
    <message>
        <source>%d° W</source>
        <comment>615</comment>
        <translation>%d° W</translation>
    </message>
    <message>
        <source>No common working hours</source>
        <comment>616</comment>
        <translation>Keine gemeinsame Arbeitszeit</translation>
    </message>
    <message>
        <source>Common working hours: %s</source>
        <comment>617</comment>
        <translation>Gemeinsame Arbeitszeit: %s</translation>
    </message>
    <message>
        <source>%s in %s</source>
        <comment>618</comment>
        <translation>%s in %s</translation>
    </message>
    <message>
        <source>%s in %s is %s</source>
        <comment>619</comment>
        <translation>%s in %s ist %s</translation>
    </message>
    <message>
        <source>within working hours</source>
        <comment>620</comment>
        <translation>innerhalb der Arbeitszeit</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <comment>621</comment>
        <translation>außerhalb der Arbeitszeit</translation>
    </message>
    <message>
        <source>%d%% lit</source>
        <comment>622</comment>
        <translation>%d %% beleuchtet</translation>
    </message>
    <message>
        <source>%s%d min</source>
        <comment>623</comment>
        <translation>%s%d min</translation>
    </message>
</context>
</TS>
