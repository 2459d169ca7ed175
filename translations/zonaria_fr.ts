<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAlarmAgent</name>
    <message>
        <source> (missed, due %1)</source>
        <translation> (manquée, prévue à %1)</translation>
    </message>
    <message>
        <source>Alarm – %1 in %2</source>
        <translation>Alarme – %1 à %2</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Alarme – %1</translation>
    </message>
</context>
<context>
    <name>CDesktopNotifier</name>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <translation>Répéter dans 10 min</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Ouvrir Zonaria</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Alarms...</source>
        <translation>Alarmes...</translation>
    </message>
    <message>
        <source>Airport Codes...</source>
        <translation>Codes d&apos;aéroport...</translation>
    </message>
    <message>
        <source>Phone Codes...</source>
        <translation>Indicatifs téléphoniques...</translation>
    </message>
    <message>
        <source>Distance Calculator...</source>
        <translation>Calcul des distances...</translation>
    </message>
    <message>
        <source>Time Calculator...</source>
        <translation>Calcul des heures...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>Lever du soleil...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>Lever de la lune...</translation>
    </message>
    <message>
        <source>Set Time...</source>
        <translation>Régler l&apos;heure...</translation>
    </message>
    <message>
        <source>Edit Cities...</source>
        <translation>Modifier les villes...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>About Zonaria...</source>
        <translation>À propos de Zonaria...</translation>
    </message>
    <message>
        <source>Meeting Planner...</source>
        <translation>Planificateur de réunions...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>--in: &quot;%1&quot; is not a duration; write it like 90s, 10m, 2h or 1h30m</source>
        <translation>--in : « %1 » n&apos;est pas une durée ; écrivez par exemple 90s, 10m, 2h ou 1h30m</translation>
    </message>
    <message>
        <source>--in: &quot;%1&quot; is longer than a year</source>
        <translation>--in : « %1 » dépasse un an</translation>
    </message>
    <message>
        <source>alarm add takes one city; see --help</source>
        <translation>alarm add prend une ville ; voir --help</translation>
    </message>
    <message>
        <source>alarm add needs either --at &apos;YYYY-MM-DD HH:MM&apos; or --in DURATION</source>
        <translation>alarm add demande --at &apos;YYYY-MM-DD HH:MM&apos; ou --in DURÉE</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past. (%1 in %2)</source>
        <translation>La date et l&apos;heure choisies sont déjà passées. (%1 à %2)</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <translation>Impossible de créer l&apos;alarme.  Son heure est peut-être déjà passée.</translation>
    </message>
    <message>
        <source>Alarm %1 set: %2</source>
        <translation>Alarme %1 réglée : %2</translation>
    </message>
    <message>
        <source>It rings at %1 in %2, %3 on this device</source>
        <translation>Elle sonnera à %1 à %2, %3 sur cet appareil</translation>
    </message>
    <message>
        <source>alarm list takes no arguments; see --help</source>
        <translation>alarm list ne prend pas d&apos;argument ; voir --help</translation>
    </message>
    <message>
        <source>No alarms</source>
        <translation>Aucune alarme</translation>
    </message>
    <message>
        <source>%1  %2 in %3  (device %4)  %5</source>
        <translation>%1  %2 à %3  (appareil %4)  %5</translation>
    </message>
    <message>
        <source>alarm delete takes one HANDLE; see alarm list</source>
        <translation>alarm delete prend un identifiant (HANDLE) ; voir alarm list</translation>
    </message>
    <message>
        <source>Alarm %1 deleted</source>
        <translation>Alarme %1 supprimée</translation>
    </message>
    <message>
        <source>there is no alarm %1; alarm list shows them</source>
        <translation>il n&apos;y a pas d&apos;alarme %1 ; alarm list les affiche</translation>
    </message>
    <message>
        <source>alarm needs add, list or delete; see --help</source>
        <translation>alarm demande add, list ou delete ; voir --help</translation>
    </message>
    <message>
        <source>%1 takes one NAME, or --lat DEG --lon DEG with --zone ID or --utc-offset +HH:MM; see --help</source>
        <translation>%1 prend un NAME, ou --lat DEG --lon DEG avec --zone ID ou --utc-offset +HH:MM ; voir --help</translation>
    </message>
    <message>
        <source>give either a city NAME or --lat and --lon, not both</source>
        <translation>donnez soit un nom de ville (NAME), soit --lat et --lon, pas les deux</translation>
    </message>
    <message>
        <source>a position needs both --lat and --lon</source>
        <translation>une position demande --lat et --lon</translation>
    </message>
    <message>
        <source>a position needs exactly one of --zone ID and --utc-offset +HH:MM</source>
        <translation>une position demande exactement l&apos;un de --zone ID et --utc-offset +HH:MM</translation>
    </message>
    <message>
        <source>--utc-offset: &quot;%1&quot; is not an offset; write it as +HH:MM or -HH:MM, such as -08:00</source>
        <translation>--utc-offset : « %1 » n&apos;est pas un décalage ; écrivez +HH:MM ou -HH:MM, comme -08:00</translation>
    </message>
    <message>
        <source>--zone: %1 is not a known time-zone ID</source>
        <translation>--zone : %1 n&apos;est pas un identifiant de fuseau horaire connu</translation>
    </message>
    <message>
        <source>--twilight: &quot;%1&quot; is not a kind; use none, civil, nautical or astronomical</source>
        <translation>--twilight : « %1 » n&apos;est pas un type ; utilisez none, civil, nautical ou astronomical</translation>
    </message>
    <message>
        <source>Begin %1 Twilight: %2</source>
        <translation>Début crépuscule %1 : %2</translation>
    </message>
    <message>
        <source>Sunrise: %1</source>
        <translation>Lever du soleil : %1</translation>
    </message>
    <message>
        <source>Sunset: %1</source>
        <translation>Coucher du soleil : %1</translation>
    </message>
    <message>
        <source>End %1 Twilight: %2</source>
        <translation>Fin crépuscule %1 : %2</translation>
    </message>
    <message>
        <source>Daylight Hours: %1</source>
        <translation>Durée du jour : %1</translation>
    </message>
    <message>
        <source>Moonrise: %1</source>
        <translation>Lever de la lune : %1</translation>
    </message>
    <message>
        <source>Moonset: %1</source>
        <translation>Coucher de la lune : %1</translation>
    </message>
    <message>
        <source>check takes no arguments; see --help</source>
        <translation>check ne prend pas d&apos;argument ; voir --help</translation>
    </message>
    <message>
        <source>the city database cannot be opened</source>
        <translation>la base des villes ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>Profile:        </source>
        <translation>Profil :            </translation>
    </message>
    <message>
        <source>Database:       </source>
        <translation>Base :              </translation>
    </message>
    <message>
        <source>State:          </source>
        <translation>État :              </translation>
    </message>
    <message>
        <source>Schema version: </source>
        <translation>Version du schéma : </translation>
    </message>
    <message>
        <source>tzdata version: </source>
        <translation>Version de tzdata : </translation>
    </message>
    <message>
        <source>Cities:         </source>
        <translation>Villes :            </translation>
    </message>
    <message>
        <source>Help file:      </source>
        <translation>Fichier d&apos;aide :    </translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>Result:         </source>
        <translation>Résultat :          </translation>
    </message>
    <message>
        <source>city takes one NAME (quote names with blanks); see --help</source>
        <translation>city prend un NAME (citez les noms à espaces) ; voir --help</translation>
    </message>
    <message>
        <source>Time zone:    </source>
        <translation>Fuseau horaire :    </translation>
    </message>
    <message>
        <source>Latitude:     </source>
        <translation>Latitude :          </translation>
    </message>
    <message>
        <source>Longitude:    </source>
        <translation>Longitude :         </translation>
    </message>
    <message>
        <source>Sunrise:      </source>
        <translation>Lever du soleil :   </translation>
    </message>
    <message>
        <source>Sunset:       </source>
        <translation>Coucher du soleil : </translation>
    </message>
    <message>
        <source>Airport code: </source>
        <translation>Code d&apos;aéroport :   </translation>
    </message>
    <message>
        <source>Phone code:   </source>
        <translation>Indicatif :         </translation>
    </message>
    <message>
        <source>find takes one TEXT; see --help</source>
        <translation>find prend un TEXT ; voir --help</translation>
    </message>
    <message>
        <source>codes takes phone or airport, and optionally TEXT; see --help</source>
        <translation>codes prend phone ou airport, et éventuellement TEXT ; voir --help</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a code list; use codes phone or codes airport</source>
        <translation>« %1 » n&apos;est pas une liste de codes ; utilisez codes phone ou codes airport</translation>
    </message>
    <message>
        <source>the city database cannot be opened; move the device profile aside to reinstall it</source>
        <translation>la base des villes ne peut pas être ouverte ; déplacez le profil d&apos;appareil pour le réinstaller</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <translation>Code d&apos;aéroport</translation>
    </message>
    <message>
        <source>%1 has %2 characters, more than any city name (at most %3, or %4 with its country): %5</source>
        <translation>%1 compte %2 caractères, plus qu&apos;aucun nom de ville (au plus %3, ou %4 avec le pays) : %5</translation>
    </message>
    <message>
        <source>%1 needs a value; see --help</source>
        <translation>%1 demande une valeur ; voir --help</translation>
    </message>
    <message>
        <source>unknown option %1; see --help</source>
        <translation>option inconnue %1 ; voir --help</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder</source>
        <translation> ; donnez un autre dossier à ZONARIA_DEVICE</translation>
    </message>
    <message>
        <source>the city name</source>
        <translation>le nom de ville</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several cities: %2; give one of these names</source>
        <translation>« %1 » correspond à plusieurs villes : %2 ; donnez l&apos;un de ces noms</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; the city database is empty</source>
        <translation>ville inconnue « %1 » ; la base des villes est vide</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; closest names: %2 (zonaria-cli find TEXT lists more)</source>
        <translation>ville inconnue « %1 » ; noms les plus proches : %2 (zonaria-cli find TEXT en liste davantage)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is outside the supported years %3 to %4</source>
        <translation>%1 : « %2 » est hors des années prises en charge, %3 à %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid date or time; write it as %3</source>
        <translation>%1 : « %2 » n&apos;est pas une date ou une heure valide ; écrivez %3</translation>
    </message>
    <message>
        <source>YYYY-MM-DDTHH:MM:SSZ in UTC, such as 2026-03-08T10:00:00Z</source>
        <translation>YYYY-MM-DDTHH:MM:SSZ en UTC, comme 2026-03-08T10:00:00Z</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an instant; write it as %3</source>
        <translation>%1 : « %2 » n&apos;est pas un instant ; écrivez %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date; write it as %3</source>
        <translation>%1 : « %2 » n&apos;est pas une date ; écrivez %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a local date and time; write it as %3</source>
        <translation>%1 : « %2 » n&apos;est pas une date et heure locales ; écrivez %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre de %3 à %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>--units: &quot;%1&quot; is not a unit system; use english, metric or nautical</source>
        <translation>--units : « %1 » n&apos;est pas un système d&apos;unités ; utilisez english, metric ou nautical</translation>
    </message>
    <message>
        <source>The time zone of this device does not change</source>
        <translation>Le fuseau horaire de cet appareil ne change pas</translation>
    </message>
    <message>
        <source>The time zone of this device is now %1</source>
        <translation>Le fuseau horaire de cet appareil est maintenant %1</translation>
    </message>
    <message>
        <source>clock takes no arguments; see --help</source>
        <translation>clock ne prend pas d&apos;argument ; voir --help</translation>
    </message>
    <message>
        <source>  (not in the city database)</source>
        <translation>  (absente de la base des villes)</translation>
    </message>
    <message>
        <source>set-city takes DISPLAY (0-4) and NAME; see --help</source>
        <translation>set-city prend DISPLAY (0-4) et NAME ; voir --help</translation>
    </message>
    <message>
        <source>Display %1 now shows %2</source>
        <translation>Le cadran %1 affiche maintenant %2</translation>
    </message>
    <message>
        <source>select takes DISPLAY (0-4); see --help</source>
        <translation>select prend DISPLAY (0-4) ; voir --help</translation>
    </message>
    <message>
        <source>Display %1 (%2) is already the selected display</source>
        <translation>Le cadran %1 (%2) est déjà le cadran sélectionné</translation>
    </message>
    <message>
        <source>display %1 shows &quot;%2&quot;, which is not in the city database; give it a city with set-city first</source>
        <translation>le cadran %1 affiche « %2 », absente de la base des villes ; donnez-lui d&apos;abord une ville avec set-city</translation>
    </message>
    <message>
        <source>Display %1 (%2) is now the selected display</source>
        <translation>Le cadran %1 (%2) est maintenant le cadran sélectionné</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a position; write it as @LAT,LON in degrees, such as @37.75,-122.42</source>
        <translation>« %1 » n&apos;est pas une position ; écrivez @LAT,LON en degrés, comme @37.75,-122.42</translation>
    </message>
    <message>
        <source>latitude of </source>
        <translation>latitude de </translation>
    </message>
    <message>
        <source>longitude of </source>
        <translation>longitude de </translation>
    </message>
    <message>
        <source>distance takes FROM and TO (city names or @LAT,LON); see --help</source>
        <translation>distance prend FROM et TO (noms de ville ou @LAT,LON) ; voir --help</translation>
    </message>
    <message>
        <source>give either --speed or --mode, not both</source>
        <translation>donnez soit --speed, soit --mode, pas les deux</translation>
    </message>
    <message>
        <source>From:        %1</source>
        <translation>De :              %1</translation>
    </message>
    <message>
        <source>To:          %1</source>
        <translation>À :               %1</translation>
    </message>
    <message>
        <source>Distance:    %1</source>
        <translation>Distance :        %1</translation>
    </message>
    <message>
        <source>Travel Time: %1</source>
        <translation>Durée du trajet : %1</translation>
    </message>
    <message>
        <source>at:          %1 %2 (%3)</source>
        <translation>à :               %1 %2 (%3)</translation>
    </message>
    <message>
        <source>the reply was refused: </source>
        <translation>la réponse a été refusée : </translation>
    </message>
    <message>
        <source>no socket could be opened (error %1)</source>
        <translation>aucun socket n&apos;a pu être ouvert (erreur %1)</translation>
    </message>
    <message>
        <source>no such host name</source>
        <translation>nom d&apos;hôte inconnu</translation>
    </message>
    <message>
        <source>the name service did not answer</source>
        <translation>le service de noms n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the host cannot be reached (error %1)</source>
        <translation>l&apos;hôte est injoignable (erreur %1)</translation>
    </message>
    <message>
        <source>the device clock does not read as a time</source>
        <translation>l&apos;horloge de l&apos;appareil ne donne pas une heure valide</translation>
    </message>
    <message>
        <source>the request could not be sent (error %1)</source>
        <translation>la requête n&apos;a pas pu être envoyée (erreur %1)</translation>
    </message>
    <message>
        <source>no reply within %1 ms (time-out, error %2)</source>
        <translation>pas de réponse en %1 ms (délai dépassé, erreur %2)</translation>
    </message>
    <message>
        <source>the request was refused: no time server listens on port %1</source>
        <translation>la requête a été refusée : aucun serveur de temps n&apos;écoute sur le port %1</translation>
    </message>
    <message>
        <source>the reply could not be received (error %1)</source>
        <translation>la réponse n&apos;a pas pu être reçue (erreur %1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>it is %1 bytes long, fewer than 48</source>
        <translation>elle fait %1 octets, moins de 48</translation>
    </message>
    <message>
        <source>its mode is %1, not 4 (server)</source>
        <translation>son mode est %1, pas 4 (serveur)</translation>
    </message>
    <message>
        <source>its version is %1, not 1 to 4</source>
        <translation>sa version est %1, pas de 1 à 4</translation>
    </message>
    <message>
        <source>the server&apos;s clock is not synchronised (leap indicator 3)</source>
        <translation>l&apos;horloge du serveur n&apos;est pas synchronisée (indicateur de saut 3)</translation>
    </message>
    <message>
        <source>stratum 0, a kiss-o&apos;-death (the server asks not to be queried)</source>
        <translation>strate 0, un kiss-o&apos;-death (le serveur demande à ne pas être interrogé)</translation>
    </message>
    <message>
        <source>its stratum %1 is above 15</source>
        <translation>sa strate %1 dépasse 15</translation>
    </message>
    <message>
        <source>its transmit timestamp is zero</source>
        <translation>son horodatage d&apos;émission est nul</translation>
    </message>
    <message>
        <source>it does not answer this request (wrong originate timestamp)</source>
        <translation>elle ne répond pas à cette requête (horodatage d&apos;origine erroné)</translation>
    </message>
    <message>
        <source>its round-trip delay is negative (%1 s)</source>
        <translation>son temps d&apos;aller-retour est négatif (%1 s)</translation>
    </message>
    <message>
        <source>its round-trip delay of %1 s is longer than the time-out</source>
        <translation>son temps d&apos;aller-retour de %1 s dépasse le délai</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>sync takes only options; see --help</source>
        <translation>sync ne prend que des options ; voir --help</translation>
    </message>
    <message>
        <source>--server needs a host name or address</source>
        <translation>--server demande un nom d&apos;hôte ou une adresse</translation>
    </message>
    <message>
        <source>cannot synchronise with %1 port %2: %3; the device clock was not changed</source>
        <translation>impossible de se synchroniser avec %1 port %2 : %3 ; l&apos;horloge de l&apos;appareil n&apos;a pas été changée</translation>
    </message>
    <message>
        <source>the server answered, but the device clock could not be set in the device profile %1</source>
        <translation>le serveur a répondu, mais l&apos;horloge n&apos;a pas pu être réglée dans le profil d&apos;appareil %1</translation>
    </message>
    <message>
        <source>Server %1 port %2: stratum %3</source>
        <translation>Serveur %1 port %2 : strate %3</translation>
    </message>
    <message>
        <source>Offset %1 s, round-trip delay %2 s</source>
        <translation>Décalage %1 s, aller-retour %2 s</translation>
    </message>
    <message>
        <source>Dry run: the device clock would be set to %1; it was not changed</source>
        <translation>Essai : l&apos;horloge de l&apos;appareil serait réglée sur %1 ; elle n&apos;a pas été changée</translation>
    </message>
    <message>
        <source>The device clock is set to %1</source>
        <translation>L&apos;horloge de l&apos;appareil est réglée sur %1</translation>
    </message>
    <message>
        <source>time takes one NAME; see --help</source>
        <translation>time prend un NAME ; voir --help</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Fuseau horaire : %1</translation>
    </message>
    <message>
        <source>Daylight time: %1</source>
        <translation>Heure d&apos;été : %1</translation>
    </message>
    <message>
        <source>Bias: %1 minutes (UTC = local time + bias)</source>
        <translation>Décalage : %1 minutes (UTC = heure locale + décalage)</translation>
    </message>
    <message>
        <source>convert needs --from NAME and --local &apos;YYYY-MM-DD HH:MM&apos;; see --help</source>
        <translation>convert demande --from NAME et --local &apos;YYYY-MM-DD HH:MM&apos; ; voir --help</translation>
    </message>
    <message>
        <source>When it is %1 in %2 (%3):</source>
        <translation>Quand il est %1 à %2 (%3) :</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>civil</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>nautique</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>astronomique</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>; the alarm was not set</source>
        <translation> ; l&apos;alarme n&apos;a pas été réglée</translation>
    </message>
    <message>
        <source>alarm %1 could not be deleted: %2</source>
        <translation>l&apos;alarme %1 n&apos;a pas pu être supprimée : %2</translation>
    </message>
    <message>
        <source>Device:         </source>
        <translation>Appareil :          </translation>
    </message>
    <message>
        <source>Clock change: </source>
        <translation>Changement :        </translation>
    </message>
    <message>
        <source>none within a year</source>
        <translation>aucun d&apos;ici un an</translation>
    </message>
    <message>
        <source>The profile is read-only; the setting could not be written: </source>
        <translation>Le profil est en lecture seule ; le réglage n&apos;a pas pu être enregistré : </translation>
    </message>
    <message>
        <source>the device&apos;s time zone could not be changed to %1 (%2); nothing was changed</source>
        <translation>le fuseau horaire de l&apos;appareil n&apos;a pas pu être changé en %1 (%2) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>; nothing was changed</source>
        <translation> ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>; the setting could not be written</source>
        <translation> ; le réglage n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>New Moon %1</source>
        <translation>Nouvelle lune %1</translation>
    </message>
    <message>
        <source>First Quarter %1</source>
        <translation>Premier quartier %1</translation>
    </message>
    <message>
        <source>Full Moon on %1</source>
        <translation>Pleine lune le %1</translation>
    </message>
    <message>
        <source>Last Quarter %1</source>
        <translation>Dernier quartier %1</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>lecture seule</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>foreign</source>
        <translation>étranger</translation>
    </message>
    <message>
        <source>newer</source>
        <translation>plus récent</translation>
    </message>
    <message>
        <source>unusable</source>
        <translation>inutilisable</translation>
    </message>
    <message>
        <source>private (the host&apos;s clock plus an offset, and a zone, kept in the profile)</source>
        <translation>privé (l&apos;horloge de l&apos;hôte plus un décalage, et un fuseau, conservés dans le profil)</translation>
    </message>
    <message>
        <source>computer (org.freedesktop.timedate1), zone %1; automatic time %2%3</source>
        <translation>ordinateur (org.freedesktop.timedate1), fuseau %1 ; heure automatique %2%3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>, synchronized</source>
        <translation>, synchronisée</translation>
    </message>
    <message>
        <source>computer, zone %1 from the host; %2, so the clock and zone cannot be changed</source>
        <translation>ordinateur, fuseau %1 de l&apos;hôte ; %2, l&apos;horloge et le fuseau ne peuvent donc pas être changés</translation>
    </message>
    <message>
        <source>device takes computer, private or nothing; see --help</source>
        <translation>device prend computer, private ou rien ; voir --help</translation>
    </message>
    <message>
        <source>device takes computer or private, not &quot;%1&quot;</source>
        <translation>device prend computer ou private, pas « %1 »</translation>
    </message>
    <message>
        <source>the device stays %1: %2</source>
        <translation>l&apos;appareil reste %1 : %2</translation>
    </message>
    <message>
        <source>Device: </source>
        <translation>Appareil : </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>not ok</source>
        <translation>pas ok</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder, or move %1 aside to start with a new profile</source>
        <translation> ; donnez un autre dossier à ZONARIA_DEVICE, ou déplacez %1 pour repartir avec un nouveau profil</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <translation>Le profil est en lecture seule</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>the device profile %1 could not be written</source>
        <translation>le profil d&apos;appareil %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>; what was read may be incomplete. Move %1 aside to start with a new profile; zonaria-cli check tells more</source>
        <translation> ; ce qui a été lu peut être incomplet. Déplacez %1 pour repartir avec un nouveau profil ; zonaria-cli check en dit plus</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; run zonaria-cli --help for the list</source>
        <translation>commande inconnue « %1 » ; zonaria-cli --help en donne la liste</translation>
    </message>
    <message>
        <source>--hours takes START-END in hours, as 9-17 or 08:30-16:30, not &quot;%1&quot;</source>
        <translation>--hours prend DÉBUT-FIN en heures, comme 9-17 ou 08:30-16:30, pas « %1 »</translation>
    </message>
    <message>
        <source>Meeting planner for %1 in %2; * within working hours, = every city within them</source>
        <translation>Planificateur de réunions pour le %1 à %2 ; * pendant les heures de travail, = toutes les villes pendant les leurs</translation>
    </message>
    <message>
        <source> (day before)</source>
        <translation> (veille)</translation>
    </message>
    <message>
        <source> (day after)</source>
        <translation> (lendemain)</translation>
    </message>
    <message>
        <source>%1 has a %2-hour day: its clocks change on this date</source>
        <translation>%1 a une journée de %2 heures : ses horloges changent à cette date</translation>
    </message>
    <message>
        <source>No common working hours</source>
        <translation>Aucune heure de travail commune</translation>
    </message>
    <message>
        <source>Common working hours: %1 in %2</source>
        <translation>Heures de travail communes : %1 à %2</translation>
    </message>
    <message>
        <source>%1 answered with a clock %2 s away from the device&apos;s, more than a day; the device clock was not changed (--force sets it all the same, --dry-run shows the time)</source>
        <translation>%1 a répondu avec une horloge à %2 s de celle de l&apos;appareil, plus d&apos;un jour ; l&apos;horloge de l&apos;appareil n&apos;a pas été modifiée (--force la règle quand même, --dry-run affiche l&apos;heure)</translation>
    </message>
    <message>
        <source>the server answered, but the computer&apos;s clock could not be set: %1</source>
        <translation>le serveur a répondu, mais l&apos;horloge de l&apos;ordinateur n&apos;a pas pu être réglée : %1</translation>
    </message>
    <message>
        <source>the city database cannot be read: %1</source>
        <translation>la base des villes ne peut pas être lue : %1</translation>
    </message>
</context>
<context>
    <name>DeviceProfile</name>
    <message>
        <source>an unreadable schema (%1)</source>
        <translation>un schéma illisible (%1)</translation>
    </message>
    <message>
        <source>the device profile is damaged: %1 %2</source>
        <translation>le profil d&apos;appareil est endommagé : %1 %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>not a Zonaria device profile</source>
        <translation>pas un profil d&apos;appareil de Zonaria</translation>
    </message>
    <message>
        <source>cannot be read with the write-ahead log beside it (%1) nor without it (%2); both are left as they are</source>
        <translation>ne peut être lu ni avec le journal d&apos;écriture anticipée à côté (%1) ni sans lui (%2) ; les deux sont laissés tels quels</translation>
    </message>
    <message>
        <source>the write-ahead log %1 does not belong to the device profile (%2) and cannot be set aside; move it away to use the profile</source>
        <translation>le journal d&apos;écriture anticipée %1 n&apos;appartient pas au profil d&apos;appareil (%2) et ne peut pas être mis de côté ; déplacez-le pour utiliser le profil</translation>
    </message>
    <message>
        <source>the write-ahead log beside %1 did not belong to it (%2); it was set aside as %3 and device.db is left as it was</source>
        <translation>le journal d&apos;écriture anticipée à côté de %1 ne lui appartenait pas (%2) ; il a été mis de côté sous le nom %3 et device.db est resté tel quel</translation>
    </message>
    <message>
        <source>cannot be read as a database (%1)</source>
        <translation>ne peut pas être lu comme base de données (%1)</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read: %2</source>
        <translation>le fichier %1 du profil d&apos;appareil ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>could not start the installation of the device profile %1: %2</source>
        <translation>l&apos;installation du profil d&apos;appareil %1 n&apos;a pas pu commencer : %2</translation>
    </message>
    <message>
        <source>could not create the device profile %1: %2</source>
        <translation>le profil d&apos;appareil %1 n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>installation step &quot;%1&quot; failed: %2</source>
        <translation>l&apos;étape d&apos;installation « %1 » a échoué : %2</translation>
    </message>
    <message>
        <source>could not finish the device profile %1: %2</source>
        <translation>le profil d&apos;appareil %1 n&apos;a pas pu être achevé : %2</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text (%2), so it cannot name the device profile&apos;s folder</source>
        <translation>%1 n&apos;est pas un texte UTF-8 (%2) et ne peut donc pas nommer le dossier du profil d&apos;appareil</translation>
    </message>
    <message>
        <source>the device profile %1 has no device.db but is not empty; it is not made anew there, so that nothing in it is lost</source>
        <translation>le profil d&apos;appareil %1 n&apos;a pas de device.db mais n&apos;est pas vide ; il n&apos;y est pas recréé, pour que rien de ce qu&apos;il contient ne soit perdu</translation>
    </message>
    <message>
        <source>the device profile folder %1 cannot be made</source>
        <translation>le dossier du profil d&apos;appareil %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the device profile folder %1 is not writable, so no profile can be made in it</source>
        <translation>le dossier du profil d&apos;appareil %1 n&apos;est pas accessible en écriture ; aucun profil ne peut y être créé</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 is not a file</source>
        <translation>le fichier %1 du profil d&apos;appareil n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read (permission denied)</source>
        <translation>le fichier %1 du profil d&apos;appareil ne peut pas être lu (permission refusée)</translation>
    </message>
    <message>
        <source>its folder does not allow writing</source>
        <translation>son dossier n&apos;autorise pas l&apos;écriture</translation>
    </message>
    <message>
        <source>device.db does not allow writing</source>
        <translation>device.db n&apos;autorise pas l&apos;écriture</translation>
    </message>
    <message>
        <source>the write-ahead log %1-wal was removed while a program had the device profile open; the last changes (%2) live on only in that program until it closes: quit Zonaria&apos;s programs, zonaria-alarmd and zonaria-today too, then start again</source>
        <translation>le journal d&apos;écriture anticipée %1-wal a été supprimé alors qu&apos;un programme avait le profil d&apos;appareil ouvert ; les dernières modifications (%2) ne subsistent que dans ce programme jusqu&apos;à sa fermeture : quittez les programmes de Zonaria, zonaria-alarmd et zonaria-today compris, puis relancez-les</translation>
    </message>
    <message>
        <source>the last changes to the device profile (%1) were lost: its write-ahead log %2-wal was removed while a program had the profile open</source>
        <translation>les dernières modifications du profil d&apos;appareil (%1) ont été perdues : son journal d&apos;écriture anticipée %2-wal a été supprimé alors qu&apos;un programme avait le profil ouvert</translation>
    </message>
    <message>
        <source>SQLite can only read device.db</source>
        <translation>SQLite ne peut que lire device.db</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the device profile %1 is empty and not writable (%2), so it cannot be installed</source>
        <translation>le profil d&apos;appareil %1 est vide et n&apos;est pas accessible en écriture (%2) ; il ne peut donc pas être installé</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database, not a Zonaria device profile; it is left as it is</source>
        <translation>%1 est la base de données d&apos;un autre programme, pas un profil d&apos;appareil de Zonaria ; elle est laissée telle quelle</translation>
    </message>
    <message>
        <source>the device profile %1 was made by a later version of Zonaria (schema version %2; this one knows up to %3); it is left as it is</source>
        <translation>le profil d&apos;appareil %1 a été créé par une version plus récente de Zonaria (version de schéma %2 ; celle-ci connaît jusqu&apos;à la %3) ; il est laissé tel quel</translation>
    </message>
    <message>
        <source>fails SQLite&apos;s check (%1)</source>
        <translation>échoue à la vérification de SQLite (%1)</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <translation>il y manque %1</translation>
    </message>
    <message>
        <source>the device profile %1 could not be brought up to schema version %2: %3</source>
        <translation>le profil d&apos;appareil %1 n&apos;a pas pu être porté à la version de schéma %2 : %3</translation>
    </message>
    <message>
        <source>the device profile %1 is not writable (%2)</source>
        <translation>le profil d&apos;appareil %1 n&apos;est pas accessible en écriture (%2)</translation>
    </message>
    <message>
        <source>has a damaged page (%1)</source>
        <translation>a une page endommagée (%1)</translation>
    </message>
    <message>
        <source>there is no device.db file</source>
        <translation>il n&apos;y a pas de fichier device.db</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>il ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>it is not a Zonaria device profile</source>
        <translation>ce n&apos;est pas un profil d&apos;appareil de Zonaria</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>its schema version %1 is from a later version of Zonaria</source>
        <translation>sa version de schéma %1 vient d&apos;une version plus récente de Zonaria</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>il y manque %1</translation>
    </message>
</context>
<context>
    <name>EZError</name>
    <message>
        <source>Unexpected Error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Zonaria Setup</source>
        <translation>Installation de Zonaria</translation>
    </message>
    <message>
        <source>Cannot install Zonaria.  %1</source>
        <translation>Impossible d&apos;installer Zonaria.  %1</translation>
    </message>
    <message>
        <source>No application manager for handhelds is registered on this computer (the registry key HKEY_LOCAL_MACHINE\%1 is missing).</source>
        <translation>Aucun gestionnaire d&apos;applications pour appareils de poche n&apos;est enregistré sur cet ordinateur (la clé de registre HKEY_LOCAL_MACHINE\%1 est absente).</translation>
    </message>
    <message>
        <source>The registry key HKEY_LOCAL_MACHINE\%1 does not name the application manager&apos;s program.</source>
        <translation>La clé de registre HKEY_LOCAL_MACHINE\%1 n&apos;indique pas le programme du gestionnaire d&apos;applications.</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2.  Make sure that the file is there and that you have enough disk space.</source>
        <translation>%1 n&apos;a pas pu être copié vers %2.  Vérifiez que le fichier existe et que l&apos;espace disque est suffisant.</translation>
    </message>
    <message>
        <source>The application manager %1 could not be started.</source>
        <translation>Le gestionnaire d&apos;applications %1 n&apos;a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>zonaria-cli [clock] [--json]
  The five displayed cities with their local time and date; * marks the selected display.
</source>
        <translation>zonaria-cli [clock] [--json]
  Les cinq villes affichées avec leur heure et leur date locales ; * marque le cadran sélectionné.
</translation>
    </message>
    <message>
        <source>zonaria-cli find TEXT [--json]
  The entries of the city list that begin with TEXT, without regard to case and accents.
</source>
        <translation>zonaria-cli find TEXT [--json]
  Les entrées de la liste des villes qui commencent par TEXT, sans égard à la casse ni aux accents.
</translation>
    </message>
    <message>
        <source>zonaria-cli codes phone|airport [TEXT] [--json]
  The rows of the Phone Codes or Airport Codes list, optionally only the cities that begin
  with TEXT.
</source>
        <translation>zonaria-cli codes phone|airport [TEXT] [--json]
  Les lignes de la liste Indicatifs téléphoniques ou Codes d&apos;aéroport, éventuellement
  seulement les villes qui commencent par TEXT.
</translation>
    </message>
    <message>
        <source>zonaria-cli time NAME [--at INSTANT] [--json]
  The city&apos;s local time at an instant (default now), whether daylight time is in force and
  the bias (UTC = local time + bias, in minutes). INSTANT is UTC: 2026-03-08T10:00:00Z,
  from 1970 to 2037.
</source>
        <translation>zonaria-cli time NAME [--at INSTANT] [--json]
  L&apos;heure locale de la ville à un instant (par défaut maintenant), si l&apos;heure d&apos;été est en
  vigueur et le décalage (UTC = heure locale + décalage, en minutes). INSTANT est en UTC :
  2026-03-08T10:00:00Z, de 1970 à 2037.
</translation>
    </message>
    <message>
        <source>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Sunrise, sunset and daylight hours of a local date (default today), with twilight on request.
</source>
        <translation>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Lever et coucher du soleil et durée du jour à une date locale (par défaut aujourd&apos;hui),
  avec le crépuscule sur demande.
</translation>
    </message>
    <message>
        <source>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Moonrise and moonset of a local date, and the last and next principal phases.
</source>
        <translation>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Lever et coucher de la lune à une date locale, et les phases principales précédente et suivante.
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
  Le calcul des distances : FROM et TO sont des noms de ville ou des positions @LAT,LON en
  degrés. La vitesse est dans l&apos;unité du système choisi (par défaut 500 km/h convertis) ; --mode
  prend celle d&apos;un moyen de transport (--modes les liste). Unités : le réglage UnitSystem.
</translation>
    </message>
    <message>
        <source>zonaria-cli set-city DISPLAY NAME [--json]
  Shows the city NAME in display DISPLAY (0 to 4). On the selected display the city becomes
  the device&apos;s current city, and the device takes its time zone.
</source>
        <translation>zonaria-cli set-city DISPLAY NAME [--json]
  Affiche la ville NAME dans le cadran DISPLAY (0 à 4). Dans le cadran sélectionné, elle devient
  la ville actuelle de l&apos;appareil, qui prend son fuseau horaire.
</translation>
    </message>
    <message>
        <source>zonaria-cli select DISPLAY [--json]
  Makes display DISPLAY (0 to 4) the selected display: its city becomes the device&apos;s current
  city, and the device takes its time zone when that differs. There is no question first.
</source>
        <translation>zonaria-cli select DISPLAY [--json]
  Sélectionne le cadran DISPLAY (0 à 4) : sa ville devient la ville actuelle de l&apos;appareil,
  qui prend son fuseau horaire s&apos;il diffère. Aucune confirmation n&apos;est demandée.
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
  Alarmes à l&apos;heure locale d&apos;une ville, les mêmes que les Alarmes de la fenêtre : --at est
  l&apos;heure locale de la ville, --in un délai à partir de maintenant (90s, 10m, 2h, 1h30m). Sans
  --message, l&apos;alarme dit « Il est 7:00 à Tokyo ». Une heure passée est refusée. list affiche
  l&apos;identifiant, l&apos;heure dans la ville et sur cet appareil et le message ; delete prend un
  identifiant. L&apos;agent zonaria-alarmd les sonne, même Zonaria fermé, et démarre au besoin.
</translation>
    </message>
    <message>
        <source>zonaria-cli: the Zonaria world clock and its calculators from a terminal.
It uses the device profile of the application ($ZONARIA_DEVICE, else ~/.local/share/zonaria/device).
--json gives machine-readable output; --help after a command describes it; --version
prints the version.
Errors print one line on stderr and exit with code 2.
</source>
        <translation>zonaria-cli : l&apos;horloge mondiale Zonaria et ses calculs depuis un terminal.
Il utilise le profil d&apos;appareil de l&apos;application ($ZONARIA_DEVICE, sinon ~/.local/share/zonaria/device).
--json donne une sortie lisible par une machine ; --help après une commande la décrit ;
--version affiche la version.
Les erreurs écrivent une ligne sur stderr et sortent avec le code 2.
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
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
  Nom et pays, fuseau horaire, latitude et longitude, lever et coucher du soleil du jour,
  codes d&apos;aéroport et indicatifs. Les noms sont reconnus sans égard à la casse, ni aux accents
  quand aucun nom ne s&apos;écrit ainsi (Sao Paulo trouve São Paulo) ; les premiers mots d&apos;un nom
  suffisent s&apos;ils ne commencent le nom que d&apos;une ville (Chicago trouve Chicago, IL). Citez
  les noms à espaces. Indique aussi le prochain changement d&apos;heure de la ville (« Les
  horloges reculent de 1 heure le dim. 25 oct. 2026 à 02:00 »).
</translation>
    </message>
    <message>
        <source>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  The Time Calculator: the local time in the reference city --from, and the same instant
  in each named city (default: the five displayed cities). A local time the clocks skip is
  the time after the gap, one they repeat its first occurrence; a note says so.
</source>
        <translation>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  Le calcul des heures : l&apos;heure locale dans la ville de référence --from, et le même instant
  dans chaque ville nommée (par défaut : les cinq villes affichées). Une heure locale que les
  horloges sautent est prise comme l&apos;heure après le saut, une heure qu&apos;elles répètent comme
  sa première occurrence ; une remarque le signale.
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
  Vérifie le profil d&apos;appareil comme le contrôle d&apos;intégrité de SQLite (ce que l&apos;outil sqlite3
  ne peut faire : la base des villes a besoin de la collation de Zonaria) ainsi que son schéma ;
  affiche le chemin, la version du schéma et de tzdata, le nombre de villes et l&apos;emplacement
  de l&apos;aide, puis ok ou ce qui ne va pas (code de sortie 2), et l&apos;appareil qui fournit
  l&apos;horloge et le fuseau (voir device).
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
  Affiche ou choisit l&apos;appareil dont Zonaria affiche et règle l&apos;horloge et le fuseau horaire :
  celui de l&apos;ordinateur, par son service de temps (org.freedesktop.timedate1), ou un appareil
  privé conservé dans le profil (l&apos;horloge de l&apos;hôte plus un décalage, et un fuseau). Un
  nouveau profil prend l&apos;ordinateur quand son service de temps répond ; seule cette commande
  le change.
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
  Demande une fois l&apos;heure à un serveur de temps Internet (SNTP, par défaut pool.ntp.org port
  123, délai 20000 ms) : affiche le décalage de l&apos;horloge, le temps d&apos;aller-retour en secondes et
  la strate du serveur, et règle l&apos;horloge de l&apos;appareil sauf avec --dry-run. HOST est un nom ou
  une adresse IPv4 ou IPv6. Un datagramme qui échoue à un contrôle est refusé, et l&apos;attente
  d&apos;une réponse valide continue jusqu&apos;au délai. Un décalage de plus d&apos;un jour n&apos;est appliqué
  qu&apos;avec --force.
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
  Le planificateur de réunions : chaque heure de la date locale de la première ville (par
  défaut aujourd&apos;hui là-bas) dans chaque ville, en marquant les heures comprises dans les
  heures de travail de chaque ville (*) et celles comprises dans celles de toutes (=), puis
  les heures de travail communes. Par défaut, les cinq villes affichées, la ville actuelle
  d&apos;abord ; les heures de travail des Préférences (09:00-17:00 sauf réglage), ou --hours pour
  toutes. Un jour de changement d&apos;heure compte 23 ou 25 heures.
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
        <translation>Utilisation : zonaria [OPTION]...
Affiche l&apos;heure locale de cinq villes au-dessus d&apos;une carte du monde du jour et de la nuit.
Un deuxième lancement ramène la fenêtre ouverte au premier plan.

  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter

Les options propres à Qt (-platform NAME, -style NAME, -qwindowgeometry WxH+X+Y, ...) sont acceptées.
Le profil d&apos;appareil est $ZONARIA_DEVICE, sinon $XDG_DATA_HOME/zonaria/device.
zonaria-cli affiche l&apos;horloge mondiale et fait les calculs dans un terminal.
</translation>
    </message>
    <message>
        <source>zonaria: unknown option &apos;%1&apos;
Try &apos;zonaria --help&apos; for more information.
</source>
        <translation>zonaria : option inconnue « %1 »
Essayez « zonaria --help » pour plus d&apos;informations.
</translation>
    </message>
</context>
<context>
    <name>Zonaria</name>
    <message>
        <source>Save changes to %s?</source>
        <comment>102</comment>
        <translation>Enregistrer les modifications de %s ?</translation>
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
Lever du soleil : %s
Coucher du soleil : %s
Aéroport : %s
Indicatif : %s - %s</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

(Time Zone will not change)</source>
        <comment>109</comment>
        <translation>Remplacer la ville actuelle par
« %s » ?

(Le fuseau horaire ne changera pas)</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past.</source>
        <comment>115</comment>
        <translation>La date et l&apos;heure choisies sont déjà passées.</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <comment>117</comment>
        <translation>Impossible de créer l&apos;alarme.  Son heure est peut-être déjà passée.</translation>
    </message>
    <message>
        <source>Cannot open city database.  If this problem persists, please re-install Zonaria.  Zonaria will now exit.</source>
        <comment>120</comment>
        <translation>Impossible d&apos;ouvrir la base des villes.  Si le problème persiste, réinstallez Zonaria.  Zonaria va maintenant se fermer.</translation>
    </message>
    <message>
        <source>Delete selected alarm?</source>
        <comment>121</comment>
        <translation>Supprimer l&apos;alarme sélectionnée ?</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

This will change the time zone for this device to
&quot;%s&quot;</source>
        <comment>122</comment>
        <translation>Remplacer la ville actuelle par
« %s » ?

Le fuseau horaire de cet appareil deviendra
« %s »</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <comment>124</comment>
        <translation>Créer une nouvelle alarme</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <comment>125</comment>
        <translation>Afficher ou modifier les propriétés de l&apos;alarme</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <comment>126</comment>
        <translation>Supprimer l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>128</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>Time settings were synchronized to server successfully.</source>
        <comment>133</comment>
        <translation>L&apos;heure a bien été synchronisée avec le serveur.</translation>
    </message>
    <message>
        <source>Unable to synchronize time to server.  Make sure this device is connected to the internet, or try another SNTP server.</source>
        <comment>134</comment>
        <translation>Impossible de synchroniser l&apos;heure avec le serveur.  Vérifiez que l&apos;appareil est connecté à Internet ou essayez un autre serveur SNTP.</translation>
    </message>
    <message>
        <source>Delete city &quot;%s&quot;?</source>
        <comment>149</comment>
        <translation>Supprimer la ville « %s » ?</translation>
    </message>
    <message>
        <source>You cannot delete the last city.  You must have at least one city defined in the list.</source>
        <comment>150</comment>
        <translation>Impossible de supprimer la dernière ville.  La liste doit contenir au moins une ville.</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>159</comment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy of %s</source>
        <comment>160</comment>
        <translation>Copie de %s</translation>
    </message>
    <message>
        <source>Copy %d of %s</source>
        <comment>161</comment>
        <translation>Copie %d de %s</translation>
    </message>
    <message>
        <source>Cannot copy city &quot;%s&quot;.  Too many copies.</source>
        <comment>162</comment>
        <translation>Impossible de copier la ville « %s ».  Il y a trop de copies.</translation>
    </message>
    <message>
        <source>City name must be unique, and connot use the characters &quot;()%#*&quot;.</source>
        <comment>163</comment>
        <translation>Le nom de la ville doit être unique et ne peut pas contenir les caractères « ()%#* ».</translation>
    </message>
    <message>
        <source>Create new city &quot;%s&quot;?</source>
        <comment>164</comment>
        <translation>Créer la nouvelle ville « %s » ?</translation>
    </message>
    <message>
        <source>Cannot delete a city that is currently displayed on the main screen.</source>
        <comment>165</comment>
        <translation>Impossible de supprimer une ville affichée sur l&apos;écran principal.</translation>
    </message>
    <message>
        <source>City in %s</source>
        <comment>168</comment>
        <translation>Ville en %s</translation>
    </message>
    <message>
        <source>Save changes to the time and date settings?</source>
        <comment>171</comment>
        <translation>Enregistrer les modifications de l&apos;heure et de la date ?</translation>
    </message>
    <message>
        <source>Begin Civil Twilight:
Sunrise:
Sunset:
End Civil Twilight:

Daylight Hours:</source>
        <comment>172</comment>
        <translation>Début crépuscule civil :
Lever du soleil :
Coucher du soleil :
Fin crépuscule civil :

Durée du jour :</translation>
    </message>
    <message>
        <source>Begin Nautical Twilight:
Sunrise:
Sunset:
End Nautical Twilight:

Daylight Hours:</source>
        <comment>173</comment>
        <translation>Début crépuscule nautique :
Lever du soleil :
Coucher du soleil :
Fin crépuscule nautique :

Durée du jour :</translation>
    </message>
    <message>
        <source>Begin Astronomical Twilight:
Sunrise:
Sunset:
End Astronomical Twilight:

Daylight Hours:</source>
        <comment>174</comment>
        <translation>Début crépuscule astronomique :
Lever du soleil :
Coucher du soleil :
Fin crépuscule astronomique :

Durée du jour :</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <comment>175</comment>
        <translation>Lever du soleil :
Coucher du soleil :

Durée du jour :</translation>
    </message>
    <message>
        <source>New Moon %s</source>
        <comment>177</comment>
        <translation>Nouvelle lune %s</translation>
    </message>
    <message>
        <source>First Quarter %s</source>
        <comment>178</comment>
        <translation>Premier quartier %s</translation>
    </message>
    <message>
        <source>Full Moon on %s</source>
        <comment>179</comment>
        <translation>Pleine lune le %s</translation>
    </message>
    <message>
        <source>Last Quarter %s</source>
        <comment>180</comment>
        <translation>Dernier quartier %s</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>182</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>City</source>
        <comment>2000</comment>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <comment>2001</comment>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>2002</comment>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <comment>2003</comment>
        <translation>Code d&apos;aéroport</translation>
    </message>
    <message>
        <source>2~Walk</source>
        <comment>5000</comment>
        <translation>2~À pied</translation>
    </message>
    <message>
        <source>8~Sailboat</source>
        <comment>5001</comment>
        <translation>8~Voilier</translation>
    </message>
    <message>
        <source>10~Bicycle</source>
        <comment>5002</comment>
        <translation>10~Vélo</translation>
    </message>
    <message>
        <source>22~Cruise Ship</source>
        <comment>5003</comment>
        <translation>22~Paquebot</translation>
    </message>
    <message>
        <source>48~Automobile</source>
        <comment>5004</comment>
        <translation>48~Voiture</translation>
    </message>
    <message>
        <source>60~Train</source>
        <comment>5005</comment>
        <translation>60~Train</translation>
    </message>
    <message>
        <source>136~High Speed Train</source>
        <comment>5006</comment>
        <translation>136~Train à grande vitesse</translation>
    </message>
    <message>
        <source>125~Private Plane</source>
        <comment>5007</comment>
        <translation>125~Avion privé</translation>
    </message>
    <message>
        <source>200~Commuter Turbo-Prop</source>
        <comment>5008</comment>
        <translation>200~Turbopropulseur régional</translation>
    </message>
    <message>
        <source>450~Commercial Jet</source>
        <comment>5009</comment>
        <translation>450~Avion de ligne</translation>
    </message>
    <message>
        <source>520~Commercial Jet (fastest)</source>
        <comment>5010</comment>
        <translation>520~Avion de ligne (le plus rapide)</translation>
    </message>
    <message>
        <source>1160~Concorde Supersonic</source>
        <comment>5011</comment>
        <translation>1160~Concorde supersonique</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>32784</comment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>32799</comment>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>32790</comment>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Time Calculator</source>
        <comment>32801</comment>
        <translation>Calcul des heures</translation>
    </message>
    <message>
        <source>Distance Calculator</source>
        <comment>32800</comment>
        <translation>Calcul des distances</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <comment>32791</comment>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <comment>32792</comment>
        <translation>Lever de la lune</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>40001</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Zonaria Help</source>
        <comment>40002</comment>
        <translation>Aide de Zonaria</translation>
    </message>
    <message>
        <source>The help file Zonaria.htm was not found beside the program.  Reinstalling Zonaria restores it.</source>
        <comment>40003</comment>
        <translation>Le fichier d&apos;aide Zonaria.htm est introuvable à côté du programme.  Réinstaller Zonaria le rétablit.</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help.  Install xdg-utils and a web browser to read it.</source>
        <comment>40004</comment>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher l&apos;aide.  Installez xdg-utils et un navigateur pour la lire.</translation>
    </message>
    <message>
        <source>The device profile at %s cannot be used: %s</source>
        <comment>40005</comment>
        <translation>Le profil d&apos;appareil %s est inutilisable : %s</translation>
    </message>
    <message>
        <source>Please enter a speed between 0 and 1,000,000.</source>
        <comment>40101</comment>
        <translation>Veuillez saisir une vitesse comprise entre 0 et 1 000 000.</translation>
    </message>
    <message>
        <source>Arrives %s local time</source>
        <comment>40102</comment>
        <translation>Arrivée à %s, heure locale</translation>
    </message>
    <message>
        <source>Please enter an integer between %d and %d.</source>
        <comment>40201</comment>
        <translation>Veuillez saisir un nombre entier compris entre %d et %d.</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be saved: the city database refused the change.  Nothing was changed; check the free space of the device and try again.</source>
        <comment>40202</comment>
        <translation>Impossible d&apos;enregistrer la ville « %s » : la base des villes a refusé la modification.  Rien n&apos;a été changé ; vérifiez l&apos;espace libre de l&apos;appareil et réessayez.</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be deleted: the city database refused the change.</source>
        <comment>40203</comment>
        <translation>Impossible de supprimer la ville « %s » : la base des villes a refusé la modification.</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>110</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>It is %s in %s</source>
        <comment>114</comment>
        <translation>Il est %s à %s</translation>
    </message>
    <message>
        <source>The time zone could not be changed to &quot;%s&quot;: %s.

Nothing was changed; the current city stays &quot;%s&quot;.</source>
        <comment>40301</comment>
        <translation>Le fuseau horaire n&apos;a pas pu être changé en « %s » : %s.

Rien n&apos;a été modifié ; la ville actuelle reste « %s ».</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically.  Turn automatic time off and set the clock by hand?</source>
        <comment>40302</comment>
        <translation>Cet ordinateur règle son horloge automatiquement.  Désactiver l&apos;heure automatique et régler l&apos;horloge à la main ?</translation>
    </message>
    <message>
        <source>The clock of this computer could not be set: %s.</source>
        <comment>40303</comment>
        <translation>L&apos;horloge de cet ordinateur n&apos;a pas pu être réglée : %s.</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is synchronized.</source>
        <comment>40304</comment>
        <translation>Cet ordinateur règle son horloge automatiquement ; elle est synchronisée.</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is not synchronized yet.</source>
        <comment>40305</comment>
        <translation>Cet ordinateur règle son horloge automatiquement ; elle n&apos;est pas encore synchronisée.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is set by hand.</source>
        <comment>40306</comment>
        <translation>L&apos;horloge de cet ordinateur est réglée à la main.</translation>
    </message>
    <message>
        <source>Set the time automatically</source>
        <comment>40307</comment>
        <translation>Régler l&apos;heure automatiquement</translation>
    </message>
    <message>
        <source>Automatic time could not be changed: %s.</source>
        <comment>40308</comment>
        <translation>L&apos;heure automatique n&apos;a pas pu être modifiée : %s.</translation>
    </message>
    <message>
        <source>Clock and time zone: this computer&apos;s own (%s)</source>
        <comment>40309</comment>
        <translation>Horloge et fuseau horaire : ceux de cet ordinateur (%s)</translation>
    </message>
    <message>
        <source>Clock and time zone: Zonaria&apos;s own, kept in its profile</source>
        <comment>40310</comment>
        <translation>Horloge et fuseau horaire : ceux de Zonaria, conservés dans son profil</translation>
    </message>
    <message>
        <source>The SNTP server &quot;%s&quot; was not found.  Check its name, or choose another SNTP server.</source>
        <comment>40321</comment>
        <translation>Le serveur SNTP « %s » est introuvable.  Vérifiez son nom ou choisissez un autre serveur SNTP.</translation>
    </message>
    <message>
        <source>The time server&apos;s clock is %s away from this device&apos;s clock.  Set this device&apos;s clock to it anyway?</source>
        <comment>40322</comment>
        <translation>L&apos;horloge du serveur de temps s&apos;écarte de %s de celle de cet appareil.  Régler quand même l&apos;horloge de cet appareil sur elle ?</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <comment>40323</comment>
        <translation>Le profil est en lecture seule</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <comment>40324</comment>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>The change could not be saved: %s.</source>
        <comment>40325</comment>
        <translation>La modification n&apos;a pas pu être enregistrée : %s.</translation>
    </message>
    <message>
        <source>The city list could not be read completely, so cities are missing from it: %s</source>
        <comment>40326</comment>
        <translation>La liste des villes n&apos;a pas pu être lue entièrement, il y manque donc des villes : %s</translation>
    </message>
</context>
<context>
    <name>za::CityInstall</name>
    <message>
        <source>cannot write the first city (error %1)</source>
        <translation>impossible d&apos;écrire la première ville (erreur %1)</translation>
    </message>
    <message>
        <source>cannot create the city database (error %1)</source>
        <translation>impossible de créer la base des villes (erreur %1)</translation>
    </message>
    <message>
        <source>cannot open the new city database (error %1)</source>
        <translation>impossible d&apos;ouvrir la nouvelle base des villes (erreur %1)</translation>
    </message>
    <message>
        <source>line %1 of the city list</source>
        <translation>la ligne %1 de la liste des villes</translation>
    </message>
    <message>
        <source>%1 repeats the city name &quot;%2&quot;</source>
        <translation>%1 répète le nom de ville « %2 »</translation>
    </message>
    <message>
        <source>cannot store %1 (error %2)</source>
        <translation>impossible d&apos;enregistrer %1 (erreur %2)</translation>
    </message>
    <message>
        <source>time zone %1 cannot be derived for %2</source>
        <translation>le fuseau horaire %1 ne peut pas être déduit pour %2</translation>
    </message>
    <message>
        <source>cannot write the time-zone table (error %1)</source>
        <translation>impossible d&apos;écrire la table des fuseaux horaires (erreur %1)</translation>
    </message>
    <message>
        <source>the city list has no &quot;%1&quot;</source>
        <translation>la liste des villes ne contient pas « %1 »</translation>
    </message>
    <message>
        <source>cannot make %1 the home city</source>
        <translation>impossible de faire de %1 la ville de départ</translation>
    </message>
    <message>
        <source>cannot write the Clock settings (error %1)</source>
        <translation>impossible d&apos;écrire les réglages de l&apos;horloge (erreur %1)</translation>
    </message>
    <message>
        <source>cannot store the city list (error %1)</source>
        <translation>impossible d&apos;enregistrer la liste des villes (erreur %1)</translation>
    </message>
    <message>
        <source>cannot write the Today item&apos;s key (error %1)</source>
        <translation>impossible d&apos;écrire la clé de l&apos;élément Aujourd&apos;hui (erreur %1)</translation>
    </message>
</context>
<context>
    <name>za::CityListCsv</name>
    <message>
        <source>the city list ends inside a quoted field</source>
        <translation>la liste des villes s&apos;arrête au milieu d&apos;un champ entre guillemets</translation>
    </message>
    <message>
        <source>the city list has no cities or not the expected columns</source>
        <translation>la liste des villes ne contient aucune ville ou pas les colonnes attendues</translation>
    </message>
    <message>
        <source>line %1 of the city list is malformed</source>
        <translation>la ligne %1 de la liste des villes est mal formée</translation>
    </message>
</context>
<context>
    <name>za::CurrentCity</name>
    <message>
        <source>the selected display (%1) is not one of the five</source>
        <translation>le cadran sélectionné (%1) n&apos;est pas l&apos;un des cinq</translation>
    </message>
    <message>
        <source>the current city %1 (display %2) is not in the device&apos;s time zone (%3)</source>
        <translation>la ville actuelle %1 (cadran %2) n&apos;est pas dans le fuseau horaire de l&apos;appareil (%3)</translation>
    </message>
</context>
<context>
    <name>za::SpokenText</name>
    <message>
        <source>, daylight saving time</source>
        <translation>, heure d&apos;été</translation>
    </message>
</context>
<context>
    <name>za::app::CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
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
        <translation>Codes d&apos;aéroport</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmListCtrl</name>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Delete Alarm</source>
        <translation>Supprimer l&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm Properties...</source>
        <translation>Propriétés de l&apos;alarme...</translation>
    </message>
    <message>
        <source>New Alarm...</source>
        <translation>Nouvelle alarme...</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmsDlg</name>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
</context>
<context>
    <name>za::app::CAstroDlg</name>
    <message>
        <source>Choose a City and a Date</source>
        <translation>Choisissez une ville et une date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>za::app::CCitiesDlg</name>
    <message>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
</context>
<context>
    <name>za::app::CCityDisplay</name>
    <message>
        <source>Select a City</source>
        <translation>Choisir une ville</translation>
    </message>
    <message>
        <source>Set as Current City</source>
        <translation>Définir comme ville actuelle</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Régler une alarme...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>Lever du soleil...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>Lever de la lune...</translation>
    </message>
    <message>
        <source>View/Edit Details...</source>
        <translation>Afficher/modifier les détails...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListCtrl</name>
    <message>
        <source>Delete City</source>
        <translation>Supprimer la ville</translation>
    </message>
    <message>
        <source>Edit City...</source>
        <translation>Modifier la ville...</translation>
    </message>
    <message>
        <source>Copy City...</source>
        <translation>Copier la ville...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListDlg</name>
    <message>
        <source>Search by city, country or code</source>
        <translation>Rechercher par ville, pays ou code</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>Rechercher une ville</translation>
    </message>
</context>
<context>
    <name>za::app::CCityPickerPopup</name>
    <message>
        <source>Select a City</source>
        <translation>Choisir une ville</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>Rechercher une ville</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Villes</translation>
    </message>
    <message>
        <source>Type to narrow the list, Enter chooses, Esc cancels</source>
        <translation>Tapez pour filtrer la liste, Entrée choisit, Échap annule</translation>
    </message>
</context>
<context>
    <name>za::app::CDialogFrame</name>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation>Créer une nouvelle alarme</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <translation>Afficher ou modifier les propriétés de l&apos;alarme</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <translation>Supprimer l&apos;alarme sélectionnée</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Create a copy of the selected city</source>
        <translation>Créer une copie de la ville sélectionnée</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>View or edit city properties</source>
        <translation>Afficher ou modifier les propriétés de la ville</translation>
    </message>
    <message>
        <source>Delete the selected city</source>
        <translation>Supprimer la ville sélectionnée</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Autres boutons</translation>
    </message>
</context>
<context>
    <name>za::app::CDistanceCalcDlg</name>
    <message>
        <source>Distance Calculator</source>
        <translation>Calcul des distances</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De :</translation>
    </message>
    <message>
        <source>Distance and Travel Time Between Cities</source>
        <translation>Distance et durée du trajet entre deux villes</translation>
    </message>
    <message>
        <source>Travel Speed</source>
        <translation>Vitesse du trajet</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distance :</translation>
    </message>
    <message>
        <source>Travel Time:</source>
        <translation>Durée du trajet :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À :</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>à :</translation>
    </message>
</context>
<context>
    <name>za::app::CHelpButton</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>za::app::CMainFrame</name>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>za::app::CMainView</name>
    <message>
        <source>Main screen</source>
        <translation>Écran principal</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Welcome to Zonaria. Click a city or the map for its facts, right-click a city for its menu. &lt;a href=&quot;welcome&quot;&gt;Getting started&lt;/a&gt;</source>
        <translation>Bienvenue dans Zonaria. Cliquez sur une ville ou sur la carte pour en savoir plus, et avec le bouton droit sur une ville pour son menu. &lt;a href=&quot;welcome&quot;&gt;Premiers pas&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close the welcome</source>
        <translation>Fermer l&apos;accueil</translation>
    </message>
</context>
<context>
    <name>za::app::CMeetingPlannerDlg</name>
    <message>
        <source>Meeting Planner</source>
        <translation>Planificateur de réunions</translation>
    </message>
    <message>
        <source>Hours of the displayed cities on this date in the current city:</source>
        <translation>Heures des villes affichées à cette date de la ville actuelle :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Picked hour</source>
        <translation>Heure choisie</translation>
    </message>
    <message>
        <source>Common working hours</source>
        <translation>Heures de travail communes</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Heures de travail de</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Heures de travail à</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Working hours in %1:</source>
        <translation>Heures de travail à %1 :</translation>
    </message>
</context>
<context>
    <name>za::app::CMoonriseDlg</name>
    <message>
        <source>Moonrise:
Moonset:</source>
        <translation>Lever de la lune :
Coucher de la lune :</translation>
    </message>
    <message>
        <source>Moonrise and Moonset</source>
        <translation>Lever et coucher de la lune</translation>
    </message>
    <message>
        <source>Moonrise and Moonset Information</source>
        <translation>Lever et coucher de la lune</translation>
    </message>
</context>
<context>
    <name>za::app::CPageCity</name>
    <message>
        <source>City Info</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>City Name:</source>
        <translation>Nom de la ville :</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>Indicatif du pays :</translation>
    </message>
    <message>
        <source>Area / City Code:</source>
        <translation>Indicatif régional :</translation>
    </message>
    <message>
        <source>Airport:</source>
        <translation>Aéroport :</translation>
    </message>
</context>
<context>
    <name>za::app::CPageLocation</name>
    <message>
        <source>Location</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude en degrés</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude en minutes</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude en degrés</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude en minutes</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>Hémisphère de la latitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>Hémisphère de la longitude</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Degrees; decimal degrees such as 48.8566, 2.3522 may be pasted here</source>
        <translation>Degrés ; on peut coller ici des degrés décimaux comme 48.8566, 2.3522</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude :</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude :</translation>
    </message>
</context>
<context>
    <name>za::app::CPageTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Daylight Savings Time Rule</source>
        <translation>Règle de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Fuseau horaire :</translation>
    </message>
    <message>
        <source>The current city&apos;s time zone is the device&apos;s own.</source>
        <translation>Le fuseau horaire de la ville actuelle est celui de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Next Clock Change</source>
        <translation>Prochain changement d&apos;heure</translation>
    </message>
    <message>
        <source>None within a year</source>
        <translation>Aucun d&apos;ici un an</translation>
    </message>
</context>
<context>
    <name>za::app::CPhoneCodesDlg</name>
    <message>
        <source>Phone Codes</source>
        <translation>Indicatifs téléphoniques</translation>
    </message>
</context>
<context>
    <name>za::app::CPlannerGrid</name>
    <message>
        <source>Hours of the cities</source>
        <translation>Heures des villes</translation>
    </message>
    <message>
        <source> (%1 h)</source>
        <translation> (%1 h)</translation>
    </message>
</context>
<context>
    <name>za::app::CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Show &apos;current city&apos; buttons in city displays</source>
        <translation>Boutons « ville actuelle » dans les cadrans</translation>
    </message>
    <message>
        <source>Show &apos;change city&apos; buttons in city displays</source>
        <translation>Boutons « changer de ville » dans les cadrans</translation>
    </message>
    <message>
        <source>No Twilight</source>
        <translation>Pas de crépuscule</translation>
    </message>
    <message>
        <source>Civil Twilight</source>
        <translation>Crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical Twilight</source>
        <translation>Crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical Twilight</source>
        <translation>Crépuscule astronomique</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglo-saxon</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Nautical Miles</source>
        <translation>Milles marins</translation>
    </message>
    <message>
        <source>Show Zonaria cities on the Today screen</source>
        <translation>Afficher les villes de Zonaria sur l&apos;écran Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Twilight:</source>
        <translation>Crépuscule :</translation>
    </message>
    <message>
        <source>Unit System:</source>
        <translation>Unités :</translation>
    </message>
    <message>
        <source>Number of cities on today screen:</source>
        <translation>Villes sur l&apos;écran Aujourd&apos;hui :</translation>
    </message>
    <message>
        <source>Show offsets</source>
        <translation>Afficher les décalages</translation>
    </message>
    <message>
        <source>Each city display shows its difference from the current city</source>
        <translation>Chaque cadran indique son décalage par rapport à la ville actuelle</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Heures de travail de</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Heures de travail à</translation>
    </message>
    <message>
        <source>Working hours:</source>
        <translation>Heures de travail :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
</context>
<context>
    <name>za::app::CSetAlarmDlg</name>
    <message>
        <source>Set Alarm</source>
        <translation>Régler une alarme</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Alarm Message</source>
        <translation>Message de l&apos;alarme</translation>
    </message>
    <message>
        <source>Default Message</source>
        <translation>Message par défaut</translation>
    </message>
    <message>
        <source>When it is:</source>
        <translation>Heure locale :</translation>
    </message>
    <message>
        <source>On this day:</source>
        <translation>Le :</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>in:</source>
        <translation>à :</translation>
    </message>
    <message>
        <source>Set the alarm sound in your desktop&apos;s sound settings</source>
        <translation>Choisissez le son de l&apos;alarme dans les paramètres de son de votre bureau</translation>
    </message>
    <message>
        <source>Alarm Time Note</source>
        <translation>Remarque sur l&apos;heure de l&apos;alarme</translation>
    </message>
</context>
<context>
    <name>za::app::CSetTimeDlg</name>
    <message>
        <source>Set Time</source>
        <translation>Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Time and Date Settings</source>
        <translation>Heure et date</translation>
    </message>
    <message>
        <source>Synchronize to Internet Time</source>
        <translation>Synchroniser avec l&apos;heure d&apos;Internet</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>Select an SNTP time server from the list, or type one in.  Then click the &apos;Sync&apos; button to synchronize the computer&apos;s time to the server.</source>
        <translation>Choisissez un serveur de temps SNTP dans la liste ou saisissez-en un.  Cliquez ensuite sur « Synchroniser » pour régler l&apos;heure de l&apos;ordinateur sur celle du serveur.</translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>za::app::CSunriseDlg</name>
    <message>
        <source>Sunrise and Sunset</source>
        <translation>Lever et coucher du soleil</translation>
    </message>
    <message>
        <source>Sunrise and Sunset Information</source>
        <translation>Lever et coucher du soleil</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <translation>Lever du soleil :
Coucher du soleil :

Durée du jour :</translation>
    </message>
</context>
<context>
    <name>za::app::CTimeCalcDlg</name>
    <message>
        <source>Time Calculator</source>
        <translation>Calcul des heures</translation>
    </message>
    <message>
        <source>When its this time in the reference city:</source>
        <translation>Quand il est cette heure dans la ville de référence :</translation>
    </message>
    <message>
        <source>The time in these cities will be:</source>
        <translation>il est dans ces villes :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure de la journée</translation>
    </message>
    <message>
        <source>Drag to move the reference time through the day</source>
        <translation>Faites glisser pour déplacer l&apos;heure de référence dans la journée</translation>
    </message>
    <message>
        <source>Reference Time Note</source>
        <translation>Remarque sur l&apos;heure de référence</translation>
    </message>
</context>
<context>
    <name>za::app::CWorldMapWnd</name>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayHost</name>
    <message>
        <source>Zonaria Today</source>
        <translation>Zonaria Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>No Today item is shown.
Zonaria&apos;s Preferences turn it on.</source>
        <translation>Aucun élément Aujourd&apos;hui n&apos;est affiché.
Les Préférences de Zonaria permettent de l&apos;activer.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Ouvrir Zonaria</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The device profile at %1 cannot be used: %2</source>
        <translation>Le profil d&apos;appareil %1 ne peut pas être utilisé : %2</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayItem</name>
    <message>
        <source>, current city</source>
        <translation>, ville actuelle</translation>
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
        <translation>L&apos;écran Aujourd&apos;hui de Zonaria affiche toujours les mêmes villes que l&apos;écran principal de l&apos;application.  Pour changer les villes de l&apos;écran Aujourd&apos;hui, changez les villes affichées sur l&apos;écran principal de Zonaria. </translation>
    </message>
    <message>
        <source>Today: Zonaria Options</source>
        <translation>Aujourd&apos;hui : options de Zonaria</translation>
    </message>
    <message>
        <source>Number of cities to show:</source>
        <translation>Nombre de villes affichées :</translation>
    </message>
</context>
<context>
    <name>zalib</name>
    <message>
        <source>Never rises</source>
        <comment>500</comment>
        <translation>Ne se lève pas</translation>
    </message>
    <message>
        <source>Never sets</source>
        <comment>501</comment>
        <translation>Ne se couche pas</translation>
    </message>
    <message>
        <source>Always light</source>
        <comment>502</comment>
        <translation>Toujours jour</translation>
    </message>
    <message>
        <source>Always dark</source>
        <comment>503</comment>
        <translation>Toujours nuit</translation>
    </message>
    <message>
        <source>Does not observe daylight savings time</source>
        <comment>504</comment>
        <translation>Pas d&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>First</source>
        <comment>505</comment>
        <translation>premier</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>506</comment>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>507</comment>
        <translation>troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>508</comment>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>509</comment>
        <translation>dernier</translation>
    </message>
    <message>
        <source>%s %s in %s to %s %s in %s</source>
        <comment>510</comment>
        <translation>Du %s %s en %s au %s %s en %s</translation>
    </message>
    <message>
        <source>%.0f miles</source>
        <comment>511</comment>
        <translation>%.0f miles</translation>
    </message>
    <message>
        <source>%.0f nautical miles</source>
        <comment>512</comment>
        <translation>%.0f milles marins</translation>
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
        <translation>%.0f miles/h</translation>
    </message>
    <message>
        <source>%.0f knots</source>
        <comment>516</comment>
        <translation>%.0f nœuds</translation>
    </message>
    <message numerus="yes">
        <source>%d days %d hours %d min</source>
        <comment>517</comment>
        <translation>
            <numerusform>%d jour %d h %d min</numerusform>
            <numerusform>%d jours %d h %d min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d hours %d min</source>
        <comment>518</comment>
        <translation>
            <numerusform>%d heure %d min</numerusform>
            <numerusform>%d heures %d min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min %d sec</source>
        <comment>519</comment>
        <translation>
            <numerusform>%d min %d s</numerusform>
            <numerusform>%d min %d s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d hr %d min</source>
        <comment>520</comment>
        <translation>
            <numerusform>%d h %d min</numerusform>
            <numerusform>%d h %d min</numerusform>
        </translation>
    </message>
    <message>
        <source>%d° %d´ E</source>
        <comment>521</comment>
        <translation>%d° %d´ E</translation>
    </message>
    <message>
        <source>%d° %d´ W</source>
        <comment>522</comment>
        <translation>%d° %d´ O</translation>
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
        <translation>%s n&apos;existe pas ce jour-là à %s (les horloges avancent) : %s est retenue.</translation>
    </message>
    <message>
        <source>%s occurs twice in %s that day (the clocks go back): the first, %s, is taken.</source>
        <comment>541</comment>
        <translation>%s revient deux fois ce jour-là à %s (les horloges reculent) : la première, %s, est retenue.</translation>
    </message>
    <message>
        <source>Clocks go forward %s on %s at %s</source>
        <comment>600</comment>
        <translation>Les horloges avancent de %s le %s à %s</translation>
    </message>
    <message>
        <source>Clocks go back %s on %s at %s</source>
        <comment>601</comment>
        <translation>Les horloges reculent de %s le %s à %s</translation>
    </message>
    <message>
        <source>1 hour</source>
        <comment>602</comment>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%d hours</source>
        <comment>603</comment>
        <translation>%d heures</translation>
    </message>
    <message>
        <source>%d min</source>
        <comment>604</comment>
        <translation>%d min</translation>
    </message>
    <message>
        <source>%s %d min</source>
        <comment>605</comment>
        <translation>%s %d min</translation>
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
        <translation>hier</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <comment>609</comment>
        <translation>demain</translation>
    </message>
    <message>
        <source>Sun overhead: %s</source>
        <comment>610</comment>
        <translation>Soleil au zénith : %s</translation>
    </message>
    <message>
        <source>Moon overhead: %s</source>
        <comment>611</comment>
        <translation>Lune au zénith : %s</translation>
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
        <translation>%d° E</translation>
    </message>
    <message>
        <source>%d° W</source>
        <comment>615</comment>
        <translation>%d° O</translation>
    </message>
    <message>
        <source>No common working hours</source>
        <comment>616</comment>
        <translation>Aucune heure de travail commune</translation>
    </message>
    <message>
        <source>Common working hours: %s</source>
        <comment>617</comment>
        <translation>Heures de travail communes : %s</translation>
    </message>
    <message>
        <source>%s in %s</source>
        <comment>618</comment>
        <translation>%s à %s</translation>
    </message>
    <message>
        <source>%s in %s is %s</source>
        <comment>619</comment>
        <translation>%s à %s correspond à %s</translation>
    </message>
    <message>
        <source>within working hours</source>
        <comment>620</comment>
        <translation>pendant les heures de travail</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <comment>621</comment>
        <translation>en dehors des heures de travail</translation>
    </message>
    <message>
        <source>%d%% lit</source>
        <comment>622</comment>
        <translation>éclairée à %d %%</translation>
    </message>
    <message>
        <source>%s%d min</source>
        <comment>623</comment>
        <translation>%s%d min</translation>
    </message>
</context>
</TS>
