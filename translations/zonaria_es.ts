<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAlarmAgent</name>
    <message>
        <source> (missed, due %1)</source>
        <translation> (perdida, prevista a las %1)</translation>
    </message>
    <message>
        <source>Alarm – %1 in %2</source>
        <translation>Alarma – %1 en %2</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>Alarma – %1</translation>
    </message>
</context>
<context>
    <name>CDesktopNotifier</name>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <translation>Posponer 10 min</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Abrir Zonaria</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Alarms...</source>
        <translation>Alarmas...</translation>
    </message>
    <message>
        <source>Airport Codes...</source>
        <translation>Códigos de aeropuerto...</translation>
    </message>
    <message>
        <source>Phone Codes...</source>
        <translation>Prefijos telefónicos...</translation>
    </message>
    <message>
        <source>Distance Calculator...</source>
        <translation>Calculadora de distancias...</translation>
    </message>
    <message>
        <source>Time Calculator...</source>
        <translation>Calculadora de horas...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>Salida del sol...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>Salida de la luna...</translation>
    </message>
    <message>
        <source>Set Time...</source>
        <translation>Ajustar la hora...</translation>
    </message>
    <message>
        <source>Edit Cities...</source>
        <translation>Editar ciudades...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>About Zonaria...</source>
        <translation>Acerca de Zonaria...</translation>
    </message>
    <message>
        <source>Meeting Planner...</source>
        <translation>Planificador de reuniones...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>--in: &quot;%1&quot; is not a duration; write it like 90s, 10m, 2h or 1h30m</source>
        <translation>--in: «%1» no es una duración; escríbala como 90s, 10m, 2h o 1h30m</translation>
    </message>
    <message>
        <source>--in: &quot;%1&quot; is longer than a year</source>
        <translation>--in: «%1» es más de un año</translation>
    </message>
    <message>
        <source>alarm add takes one city; see --help</source>
        <translation>alarm add toma una ciudad; vea --help</translation>
    </message>
    <message>
        <source>alarm add needs either --at &apos;YYYY-MM-DD HH:MM&apos; or --in DURATION</source>
        <translation>alarm add necesita --at &apos;YYYY-MM-DD HH:MM&apos; o --in DURACIÓN</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past. (%1 in %2)</source>
        <translation>Ha elegido una fecha y una hora que ya han pasado. (%1 en %2)</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <translation>No se puede crear la alarma.  Puede que su hora ya haya pasado.</translation>
    </message>
    <message>
        <source>Alarm %1 set: %2</source>
        <translation>Alarma %1 programada: %2</translation>
    </message>
    <message>
        <source>It rings at %1 in %2, %3 on this device</source>
        <translation>Sonará a las %1 en %2, %3 en este dispositivo</translation>
    </message>
    <message>
        <source>alarm list takes no arguments; see --help</source>
        <translation>alarm list no toma argumentos; vea --help</translation>
    </message>
    <message>
        <source>No alarms</source>
        <translation>No hay alarmas</translation>
    </message>
    <message>
        <source>%1  %2 in %3  (device %4)  %5</source>
        <translation>%1  %2 en %3  (dispositivo %4)  %5</translation>
    </message>
    <message>
        <source>alarm delete takes one HANDLE; see alarm list</source>
        <translation>alarm delete toma un identificador (HANDLE); vea alarm list</translation>
    </message>
    <message>
        <source>Alarm %1 deleted</source>
        <translation>Alarma %1 eliminada</translation>
    </message>
    <message>
        <source>there is no alarm %1; alarm list shows them</source>
        <translation>no hay ninguna alarma %1; alarm list las muestra</translation>
    </message>
    <message>
        <source>alarm needs add, list or delete; see --help</source>
        <translation>alarm necesita add, list o delete; vea --help</translation>
    </message>
    <message>
        <source>%1 takes one NAME, or --lat DEG --lon DEG with --zone ID or --utc-offset +HH:MM; see --help</source>
        <translation>%1 toma un NAME, o --lat DEG --lon DEG con --zone ID o --utc-offset +HH:MM; vea --help</translation>
    </message>
    <message>
        <source>give either a city NAME or --lat and --lon, not both</source>
        <translation>indique un nombre de ciudad (NAME) o --lat y --lon, no ambos</translation>
    </message>
    <message>
        <source>a position needs both --lat and --lon</source>
        <translation>una posición necesita --lat y --lon</translation>
    </message>
    <message>
        <source>a position needs exactly one of --zone ID and --utc-offset +HH:MM</source>
        <translation>una posición necesita exactamente uno de --zone ID y --utc-offset +HH:MM</translation>
    </message>
    <message>
        <source>--utc-offset: &quot;%1&quot; is not an offset; write it as +HH:MM or -HH:MM, such as -08:00</source>
        <translation>--utc-offset: «%1» no es un desfase; escríbalo como +HH:MM o -HH:MM, por ejemplo -08:00</translation>
    </message>
    <message>
        <source>--zone: %1 is not a known time-zone ID</source>
        <translation>--zone: %1 no es un identificador de zona horaria conocido</translation>
    </message>
    <message>
        <source>--twilight: &quot;%1&quot; is not a kind; use none, civil, nautical or astronomical</source>
        <translation>--twilight: «%1» no es un tipo; use none, civil, nautical o astronomical</translation>
    </message>
    <message>
        <source>Begin %1 Twilight: %2</source>
        <translation>Inicio crepúsculo %1: %2</translation>
    </message>
    <message>
        <source>Sunrise: %1</source>
        <translation>Salida del sol: %1</translation>
    </message>
    <message>
        <source>Sunset: %1</source>
        <translation>Puesta del sol: %1</translation>
    </message>
    <message>
        <source>End %1 Twilight: %2</source>
        <translation>Fin crepúsculo %1: %2</translation>
    </message>
    <message>
        <source>Daylight Hours: %1</source>
        <translation>Horas de luz: %1</translation>
    </message>
    <message>
        <source>Moonrise: %1</source>
        <translation>Salida de la luna: %1</translation>
    </message>
    <message>
        <source>Moonset: %1</source>
        <translation>Puesta de la luna: %1</translation>
    </message>
    <message>
        <source>check takes no arguments; see --help</source>
        <translation>check no toma argumentos; vea --help</translation>
    </message>
    <message>
        <source>the city database cannot be opened</source>
        <translation>no se puede abrir la base de datos de ciudades</translation>
    </message>
    <message>
        <source>Profile:        </source>
        <translation>Perfil:              </translation>
    </message>
    <message>
        <source>Database:       </source>
        <translation>Base de datos:       </translation>
    </message>
    <message>
        <source>State:          </source>
        <translation>Estado:              </translation>
    </message>
    <message>
        <source>Schema version: </source>
        <translation>Versión del esquema: </translation>
    </message>
    <message>
        <source>tzdata version: </source>
        <translation>Versión de tzdata:   </translation>
    </message>
    <message>
        <source>Cities:         </source>
        <translation>Ciudades:            </translation>
    </message>
    <message>
        <source>Help file:      </source>
        <translation>Archivo de ayuda:    </translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>Result:         </source>
        <translation>Resultado:           </translation>
    </message>
    <message>
        <source>city takes one NAME (quote names with blanks); see --help</source>
        <translation>city toma un NAME (entrecomille los nombres con espacios); vea --help</translation>
    </message>
    <message>
        <source>Time zone:    </source>
        <translation>Zona horaria:   </translation>
    </message>
    <message>
        <source>Latitude:     </source>
        <translation>Latitud:        </translation>
    </message>
    <message>
        <source>Longitude:    </source>
        <translation>Longitud:       </translation>
    </message>
    <message>
        <source>Sunrise:      </source>
        <translation>Salida del sol: </translation>
    </message>
    <message>
        <source>Sunset:       </source>
        <translation>Puesta del sol: </translation>
    </message>
    <message>
        <source>Airport code: </source>
        <translation>Aeropuerto:     </translation>
    </message>
    <message>
        <source>Phone code:   </source>
        <translation>Prefijo:        </translation>
    </message>
    <message>
        <source>find takes one TEXT; see --help</source>
        <translation>find toma un TEXT; vea --help</translation>
    </message>
    <message>
        <source>codes takes phone or airport, and optionally TEXT; see --help</source>
        <translation>codes toma phone o airport y, opcionalmente, TEXT; vea --help</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a code list; use codes phone or codes airport</source>
        <translation>«%1» no es una lista de códigos; use codes phone o codes airport</translation>
    </message>
    <message>
        <source>the city database cannot be opened; move the device profile aside to reinstall it</source>
        <translation>no se puede abrir la base de datos de ciudades; aparte el perfil del dispositivo para reinstalarlo</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <translation>Código de aeropuerto</translation>
    </message>
    <message>
        <source>%1 has %2 characters, more than any city name (at most %3, or %4 with its country): %5</source>
        <translation>%1 tiene %2 caracteres, más que cualquier nombre de ciudad (como máximo %3, o %4 con el país): %5</translation>
    </message>
    <message>
        <source>%1 needs a value; see --help</source>
        <translation>%1 necesita un valor; vea --help</translation>
    </message>
    <message>
        <source>unknown option %1; see --help</source>
        <translation>opción desconocida %1; vea --help</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder</source>
        <translation>; indique otra carpeta en ZONARIA_DEVICE</translation>
    </message>
    <message>
        <source>the city name</source>
        <translation>el nombre de la ciudad</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several cities: %2; give one of these names</source>
        <translation>«%1» coincide con varias ciudades: %2; indique uno de estos nombres</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; the city database is empty</source>
        <translation>ciudad desconocida «%1»; la base de datos de ciudades está vacía</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; closest names: %2 (zonaria-cli find TEXT lists more)</source>
        <translation>ciudad desconocida «%1»; nombres más parecidos: %2 (zonaria-cli find TEXT muestra más)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is outside the supported years %3 to %4</source>
        <translation>%1: «%2» está fuera de los años admitidos, de %3 a %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid date or time; write it as %3</source>
        <translation>%1: «%2» no es una fecha u hora válida; escríbala como %3</translation>
    </message>
    <message>
        <source>YYYY-MM-DDTHH:MM:SSZ in UTC, such as 2026-03-08T10:00:00Z</source>
        <translation>YYYY-MM-DDTHH:MM:SSZ en UTC, por ejemplo 2026-03-08T10:00:00Z</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an instant; write it as %3</source>
        <translation>%1: «%2» no es un instante; escríbalo como %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date; write it as %3</source>
        <translation>%1: «%2» no es una fecha; escríbala como %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a local date and time; write it as %3</source>
        <translation>%1: «%2» no es una fecha y hora locales; escríbala como %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1: «%2» no es un número de %3 a %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4</source>
        <translation>%1: «%2» no es un número entero de %3 a %4</translation>
    </message>
    <message>
        <source>--units: &quot;%1&quot; is not a unit system; use english, metric or nautical</source>
        <translation>--units: «%1» no es un sistema de unidades; use english, metric o nautical</translation>
    </message>
    <message>
        <source>The time zone of this device does not change</source>
        <translation>La zona horaria de este dispositivo no cambia</translation>
    </message>
    <message>
        <source>The time zone of this device is now %1</source>
        <translation>La zona horaria de este dispositivo es ahora %1</translation>
    </message>
    <message>
        <source>clock takes no arguments; see --help</source>
        <translation>clock no toma argumentos; vea --help</translation>
    </message>
    <message>
        <source>  (not in the city database)</source>
        <translation>  (no está en la base de datos de ciudades)</translation>
    </message>
    <message>
        <source>set-city takes DISPLAY (0-4) and NAME; see --help</source>
        <translation>set-city toma DISPLAY (0-4) y NAME; vea --help</translation>
    </message>
    <message>
        <source>Display %1 now shows %2</source>
        <translation>El recuadro %1 muestra ahora %2</translation>
    </message>
    <message>
        <source>select takes DISPLAY (0-4); see --help</source>
        <translation>select toma DISPLAY (0-4); vea --help</translation>
    </message>
    <message>
        <source>Display %1 (%2) is already the selected display</source>
        <translation>El recuadro %1 (%2) ya es el seleccionado</translation>
    </message>
    <message>
        <source>display %1 shows &quot;%2&quot;, which is not in the city database; give it a city with set-city first</source>
        <translation>el recuadro %1 muestra «%2», que no está en la base de datos de ciudades; asígnele antes una ciudad con set-city</translation>
    </message>
    <message>
        <source>Display %1 (%2) is now the selected display</source>
        <translation>El recuadro %1 (%2) es ahora el seleccionado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a position; write it as @LAT,LON in degrees, such as @37.75,-122.42</source>
        <translation>«%1» no es una posición; escríbala como @LAT,LON en grados, por ejemplo @37.75,-122.42</translation>
    </message>
    <message>
        <source>latitude of </source>
        <translation>latitud de </translation>
    </message>
    <message>
        <source>longitude of </source>
        <translation>longitud de </translation>
    </message>
    <message>
        <source>distance takes FROM and TO (city names or @LAT,LON); see --help</source>
        <translation>distance toma FROM y TO (nombres de ciudad o @LAT,LON); vea --help</translation>
    </message>
    <message>
        <source>give either --speed or --mode, not both</source>
        <translation>indique --speed o --mode, no ambos</translation>
    </message>
    <message>
        <source>From:        %1</source>
        <translation>Desde:           %1</translation>
    </message>
    <message>
        <source>To:          %1</source>
        <translation>Hasta:           %1</translation>
    </message>
    <message>
        <source>Distance:    %1</source>
        <translation>Distancia:       %1</translation>
    </message>
    <message>
        <source>Travel Time: %1</source>
        <translation>Tiempo de viaje: %1</translation>
    </message>
    <message>
        <source>at:          %1 %2 (%3)</source>
        <translation>a:               %1 %2 (%3)</translation>
    </message>
    <message>
        <source>the reply was refused: </source>
        <translation>la respuesta se ha rechazado: </translation>
    </message>
    <message>
        <source>no socket could be opened (error %1)</source>
        <translation>no se ha podido abrir ningún socket (error %1)</translation>
    </message>
    <message>
        <source>no such host name</source>
        <translation>no existe ese nombre de host</translation>
    </message>
    <message>
        <source>the name service did not answer</source>
        <translation>el servicio de nombres no ha respondido</translation>
    </message>
    <message>
        <source>the host cannot be reached (error %1)</source>
        <translation>no se puede llegar al host (error %1)</translation>
    </message>
    <message>
        <source>the device clock does not read as a time</source>
        <translation>el reloj del dispositivo no da una hora válida</translation>
    </message>
    <message>
        <source>the request could not be sent (error %1)</source>
        <translation>no se ha podido enviar la solicitud (error %1)</translation>
    </message>
    <message>
        <source>no reply within %1 ms (time-out, error %2)</source>
        <translation>sin respuesta en %1 ms (tiempo agotado, error %2)</translation>
    </message>
    <message>
        <source>the request was refused: no time server listens on port %1</source>
        <translation>la solicitud se ha rechazado: ningún servidor de hora escucha en el puerto %1</translation>
    </message>
    <message>
        <source>the reply could not be received (error %1)</source>
        <translation>no se ha podido recibir la respuesta (error %1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacía</translation>
    </message>
    <message>
        <source>it is %1 bytes long, fewer than 48</source>
        <translation>tiene %1 bytes, menos de 48</translation>
    </message>
    <message>
        <source>its mode is %1, not 4 (server)</source>
        <translation>su modo es %1, no 4 (servidor)</translation>
    </message>
    <message>
        <source>its version is %1, not 1 to 4</source>
        <translation>su versión es %1, no de 1 a 4</translation>
    </message>
    <message>
        <source>the server&apos;s clock is not synchronised (leap indicator 3)</source>
        <translation>el reloj del servidor no está sincronizado (indicador de salto 3)</translation>
    </message>
    <message>
        <source>stratum 0, a kiss-o&apos;-death (the server asks not to be queried)</source>
        <translation>estrato 0, un kiss-o&apos;-death (el servidor pide que no se le consulte)</translation>
    </message>
    <message>
        <source>its stratum %1 is above 15</source>
        <translation>su estrato %1 es mayor que 15</translation>
    </message>
    <message>
        <source>its transmit timestamp is zero</source>
        <translation>su marca de tiempo de envío es cero</translation>
    </message>
    <message>
        <source>it does not answer this request (wrong originate timestamp)</source>
        <translation>no responde a esta solicitud (marca de tiempo de origen errónea)</translation>
    </message>
    <message>
        <source>its round-trip delay is negative (%1 s)</source>
        <translation>su retardo de ida y vuelta es negativo (%1 s)</translation>
    </message>
    <message>
        <source>its round-trip delay of %1 s is longer than the time-out</source>
        <translation>su retardo de ida y vuelta de %1 s supera el tiempo de espera</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>sync takes only options; see --help</source>
        <translation>sync solo toma opciones; vea --help</translation>
    </message>
    <message>
        <source>--server needs a host name or address</source>
        <translation>--server necesita un nombre de host o una dirección</translation>
    </message>
    <message>
        <source>cannot synchronise with %1 port %2: %3; the device clock was not changed</source>
        <translation>no se puede sincronizar con %1 puerto %2: %3; el reloj del dispositivo no se ha cambiado</translation>
    </message>
    <message>
        <source>the server answered, but the device clock could not be set in the device profile %1</source>
        <translation>el servidor ha respondido, pero no se ha podido ajustar el reloj en el perfil del dispositivo %1</translation>
    </message>
    <message>
        <source>Server %1 port %2: stratum %3</source>
        <translation>Servidor %1 puerto %2: estrato %3</translation>
    </message>
    <message>
        <source>Offset %1 s, round-trip delay %2 s</source>
        <translation>Desfase %1 s, ida y vuelta %2 s</translation>
    </message>
    <message>
        <source>Dry run: the device clock would be set to %1; it was not changed</source>
        <translation>Prueba: el reloj del dispositivo se ajustaría a %1; no se ha cambiado</translation>
    </message>
    <message>
        <source>The device clock is set to %1</source>
        <translation>El reloj del dispositivo se ha ajustado a %1</translation>
    </message>
    <message>
        <source>time takes one NAME; see --help</source>
        <translation>time toma un NAME; vea --help</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zona horaria: %1</translation>
    </message>
    <message>
        <source>Daylight time: %1</source>
        <translation>Horario de verano: %1</translation>
    </message>
    <message>
        <source>Bias: %1 minutes (UTC = local time + bias)</source>
        <translation>Desfase: %1 minutos (UTC = hora local + desfase)</translation>
    </message>
    <message>
        <source>convert needs --from NAME and --local &apos;YYYY-MM-DD HH:MM&apos;; see --help</source>
        <translation>convert necesita --from NAME y --local &apos;YYYY-MM-DD HH:MM&apos;; vea --help</translation>
    </message>
    <message>
        <source>When it is %1 in %2 (%3):</source>
        <translation>Cuando son las %1 en %2 (%3):</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>civil</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>náutico</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>astronómico</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>; the alarm was not set</source>
        <translation>; la alarma no se programó</translation>
    </message>
    <message>
        <source>alarm %1 could not be deleted: %2</source>
        <translation>no se pudo eliminar la alarma %1: %2</translation>
    </message>
    <message>
        <source>Device:         </source>
        <translation>Dispositivo:         </translation>
    </message>
    <message>
        <source>Clock change: </source>
        <translation>Cambio de hora: </translation>
    </message>
    <message>
        <source>none within a year</source>
        <translation>ninguno en el próximo año</translation>
    </message>
    <message>
        <source>The profile is read-only; the setting could not be written: </source>
        <translation>El perfil es de solo lectura; no se pudo escribir el ajuste: </translation>
    </message>
    <message>
        <source>the device&apos;s time zone could not be changed to %1 (%2); nothing was changed</source>
        <translation>no se pudo cambiar la zona horaria del dispositivo a %1 (%2); no se cambió nada</translation>
    </message>
    <message>
        <source>; nothing was changed</source>
        <translation>; no se cambió nada</translation>
    </message>
    <message>
        <source>; the setting could not be written</source>
        <translation>; no se pudo escribir el ajuste</translation>
    </message>
    <message>
        <source>New Moon %1</source>
        <translation>Luna nueva %1</translation>
    </message>
    <message>
        <source>First Quarter %1</source>
        <translation>Cuarto creciente %1</translation>
    </message>
    <message>
        <source>Full Moon on %1</source>
        <translation>Luna llena el %1</translation>
    </message>
    <message>
        <source>Last Quarter %1</source>
        <translation>Cuarto menguante %1</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>solo lectura</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>foreign</source>
        <translation>ajeno</translation>
    </message>
    <message>
        <source>newer</source>
        <translation>más reciente</translation>
    </message>
    <message>
        <source>unusable</source>
        <translation>inutilizable</translation>
    </message>
    <message>
        <source>private (the host&apos;s clock plus an offset, and a zone, kept in the profile)</source>
        <translation>privado (el reloj del anfitrión más un desfase, y una zona, guardados en el perfil)</translation>
    </message>
    <message>
        <source>computer (org.freedesktop.timedate1), zone %1; automatic time %2%3</source>
        <translation>equipo (org.freedesktop.timedate1), zona %1; hora automática %2%3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>, synchronized</source>
        <translation>, sincronizada</translation>
    </message>
    <message>
        <source>computer, zone %1 from the host; %2, so the clock and zone cannot be changed</source>
        <translation>equipo, zona %1 del anfitrión; %2, por lo que no se pueden cambiar el reloj ni la zona</translation>
    </message>
    <message>
        <source>device takes computer, private or nothing; see --help</source>
        <translation>device admite computer, private o nada; véase --help</translation>
    </message>
    <message>
        <source>device takes computer or private, not &quot;%1&quot;</source>
        <translation>device admite computer o private, no «%1»</translation>
    </message>
    <message>
        <source>the device stays %1: %2</source>
        <translation>el dispositivo sigue siendo %1: %2</translation>
    </message>
    <message>
        <source>Device: </source>
        <translation>Dispositivo: </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>not ok</source>
        <translation>no ok</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder, or move %1 aside to start with a new profile</source>
        <translation>; asigne otra carpeta a ZONARIA_DEVICE o aparte %1 para empezar con un perfil nuevo</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <translation>El perfil es de solo lectura</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>the device profile %1 could not be written</source>
        <translation>no se pudo escribir el perfil del dispositivo %1</translation>
    </message>
    <message>
        <source>; what was read may be incomplete. Move %1 aside to start with a new profile; zonaria-cli check tells more</source>
        <translation>; lo leído puede estar incompleto. Aparte %1 para empezar con un perfil nuevo; zonaria-cli check da más detalles</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; run zonaria-cli --help for the list</source>
        <translation>orden desconocida «%1»; ejecute zonaria-cli --help para ver la lista</translation>
    </message>
    <message>
        <source>--hours takes START-END in hours, as 9-17 or 08:30-16:30, not &quot;%1&quot;</source>
        <translation>--hours admite INICIO-FIN en horas, como 9-17 o 08:30-16:30, no «%1»</translation>
    </message>
    <message>
        <source>Meeting planner for %1 in %2; * within working hours, = every city within them</source>
        <translation>Planificador de reuniones para el %1 en %2; * dentro del horario laboral, = todas las ciudades dentro del suyo</translation>
    </message>
    <message>
        <source> (day before)</source>
        <translation> (día anterior)</translation>
    </message>
    <message>
        <source> (day after)</source>
        <translation> (día siguiente)</translation>
    </message>
    <message>
        <source>%1 has a %2-hour day: its clocks change on this date</source>
        <translation>%1 tiene un día de %2 horas: sus relojes cambian en esta fecha</translation>
    </message>
    <message>
        <source>No common working hours</source>
        <translation>Ningún horario laboral común</translation>
    </message>
    <message>
        <source>Common working hours: %1 in %2</source>
        <translation>Horario laboral común: %1 en %2</translation>
    </message>
    <message>
        <source>%1 answered with a clock %2 s away from the device&apos;s, more than a day; the device clock was not changed (--force sets it all the same, --dry-run shows the time)</source>
        <translation>%1 respondió con un reloj a %2 s del del dispositivo, más de un día; no se cambió el reloj del dispositivo (--force lo ajusta de todos modos, --dry-run muestra la hora)</translation>
    </message>
    <message>
        <source>the server answered, but the computer&apos;s clock could not be set: %1</source>
        <translation>el servidor respondió, pero no se pudo ajustar el reloj del equipo: %1</translation>
    </message>
    <message>
        <source>the city database cannot be read: %1</source>
        <translation>no se puede leer la base de datos de ciudades: %1</translation>
    </message>
</context>
<context>
    <name>DeviceProfile</name>
    <message>
        <source>an unreadable schema (%1)</source>
        <translation>un esquema ilegible (%1)</translation>
    </message>
    <message>
        <source>the device profile is damaged: %1 %2</source>
        <translation>el perfil del dispositivo está dañado: %1 %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>not a Zonaria device profile</source>
        <translation>no es un perfil de dispositivo de Zonaria</translation>
    </message>
    <message>
        <source>cannot be read with the write-ahead log beside it (%1) nor without it (%2); both are left as they are</source>
        <translation>no se puede leer ni con el registro de escritura anticipada que tiene al lado (%1) ni sin él (%2); ambos se dejan como están</translation>
    </message>
    <message>
        <source>the write-ahead log %1 does not belong to the device profile (%2) and cannot be set aside; move it away to use the profile</source>
        <translation>el registro de escritura anticipada %1 no pertenece al perfil del dispositivo (%2) y no se puede apartar; muévalo a otro lugar para usar el perfil</translation>
    </message>
    <message>
        <source>the write-ahead log beside %1 did not belong to it (%2); it was set aside as %3 and device.db is left as it was</source>
        <translation>el registro de escritura anticipada junto a %1 no le pertenecía (%2); se apartó como %3 y device.db se dejó como estaba</translation>
    </message>
    <message>
        <source>cannot be read as a database (%1)</source>
        <translation>no se puede leer como base de datos (%1)</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read: %2</source>
        <translation>no se puede leer el archivo %1 del perfil del dispositivo: %2</translation>
    </message>
    <message>
        <source>could not start the installation of the device profile %1: %2</source>
        <translation>no se pudo iniciar la instalación del perfil del dispositivo %1: %2</translation>
    </message>
    <message>
        <source>could not create the device profile %1: %2</source>
        <translation>no se pudo crear el perfil del dispositivo %1: %2</translation>
    </message>
    <message>
        <source>installation step &quot;%1&quot; failed: %2</source>
        <translation>falló el paso de instalación «%1»: %2</translation>
    </message>
    <message>
        <source>could not finish the device profile %1: %2</source>
        <translation>no se pudo terminar el perfil del dispositivo %1: %2</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text (%2), so it cannot name the device profile&apos;s folder</source>
        <translation>%1 no es texto UTF-8 (%2), por lo que no puede nombrar la carpeta del perfil del dispositivo</translation>
    </message>
    <message>
        <source>the device profile %1 has no device.db but is not empty; it is not made anew there, so that nothing in it is lost</source>
        <translation>el perfil del dispositivo %1 no tiene device.db pero no está vacío; no se vuelve a crear allí, para que no se pierda nada de lo que contiene</translation>
    </message>
    <message>
        <source>the device profile folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta del perfil del dispositivo %1</translation>
    </message>
    <message>
        <source>the device profile folder %1 is not writable, so no profile can be made in it</source>
        <translation>la carpeta del perfil del dispositivo %1 no admite escritura, por lo que no se puede crear ningún perfil en ella</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 is not a file</source>
        <translation>el archivo %1 del perfil del dispositivo no es un archivo normal</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read (permission denied)</source>
        <translation>no se puede leer el archivo %1 del perfil del dispositivo (permiso denegado)</translation>
    </message>
    <message>
        <source>its folder does not allow writing</source>
        <translation>su carpeta no admite escritura</translation>
    </message>
    <message>
        <source>device.db does not allow writing</source>
        <translation>device.db no admite escritura</translation>
    </message>
    <message>
        <source>the write-ahead log %1-wal was removed while a program had the device profile open; the last changes (%2) live on only in that program until it closes: quit Zonaria&apos;s programs, zonaria-alarmd and zonaria-today too, then start again</source>
        <translation>el registro de escritura anticipada %1-wal se eliminó mientras un programa tenía abierto el perfil del dispositivo; los últimos cambios (%2) solo existen en ese programa hasta que se cierre: salga de los programas de Zonaria, también de zonaria-alarmd y zonaria-today, y vuelva a iniciarlos</translation>
    </message>
    <message>
        <source>the last changes to the device profile (%1) were lost: its write-ahead log %2-wal was removed while a program had the profile open</source>
        <translation>se perdieron los últimos cambios del perfil del dispositivo (%1): su registro de escritura anticipada %2-wal se eliminó mientras un programa tenía abierto el perfil</translation>
    </message>
    <message>
        <source>SQLite can only read device.db</source>
        <translation>SQLite solo puede leer device.db</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the device profile %1 is empty and not writable (%2), so it cannot be installed</source>
        <translation>el perfil del dispositivo %1 está vacío y no admite escritura (%2), por lo que no se puede instalar</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database, not a Zonaria device profile; it is left as it is</source>
        <translation>%1 es la base de datos de otro programa, no un perfil de dispositivo de Zonaria; se deja como está</translation>
    </message>
    <message>
        <source>the device profile %1 was made by a later version of Zonaria (schema version %2; this one knows up to %3); it is left as it is</source>
        <translation>el perfil del dispositivo %1 lo creó una versión posterior de Zonaria (versión de esquema %2; esta conoce hasta la %3); se deja como está</translation>
    </message>
    <message>
        <source>fails SQLite&apos;s check (%1)</source>
        <translation>no supera la comprobación de SQLite (%1)</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <translation>le falta %1</translation>
    </message>
    <message>
        <source>the device profile %1 could not be brought up to schema version %2: %3</source>
        <translation>no se pudo llevar el perfil del dispositivo %1 a la versión de esquema %2: %3</translation>
    </message>
    <message>
        <source>the device profile %1 is not writable (%2)</source>
        <translation>el perfil del dispositivo %1 no admite escritura (%2)</translation>
    </message>
    <message>
        <source>has a damaged page (%1)</source>
        <translation>tiene una página dañada (%1)</translation>
    </message>
    <message>
        <source>there is no device.db file</source>
        <translation>no hay ningún archivo device.db</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it is not a Zonaria device profile</source>
        <translation>no es un perfil de dispositivo de Zonaria</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>its schema version %1 is from a later version of Zonaria</source>
        <translation>su versión de esquema %1 es de una versión posterior de Zonaria</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>le falta %1</translation>
    </message>
</context>
<context>
    <name>EZError</name>
    <message>
        <source>Unexpected Error</source>
        <translation>Error inesperado</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Zonaria Setup</source>
        <translation>Instalación de Zonaria</translation>
    </message>
    <message>
        <source>Cannot install Zonaria.  %1</source>
        <translation>No se puede instalar Zonaria.  %1</translation>
    </message>
    <message>
        <source>No application manager for handhelds is registered on this computer (the registry key HKEY_LOCAL_MACHINE\%1 is missing).</source>
        <translation>No hay ningún administrador de aplicaciones para dispositivos de mano registrado en este equipo (falta la clave del registro HKEY_LOCAL_MACHINE\%1).</translation>
    </message>
    <message>
        <source>The registry key HKEY_LOCAL_MACHINE\%1 does not name the application manager&apos;s program.</source>
        <translation>La clave del registro HKEY_LOCAL_MACHINE\%1 no indica el programa del administrador de aplicaciones.</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2.  Make sure that the file is there and that you have enough disk space.</source>
        <translation>No se pudo copiar %1 en %2.  Compruebe que el archivo existe y que hay suficiente espacio en disco.</translation>
    </message>
    <message>
        <source>The application manager %1 could not be started.</source>
        <translation>No se pudo iniciar el administrador de aplicaciones %1.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>zonaria-cli [clock] [--json]
  The five displayed cities with their local time and date; * marks the selected display.
</source>
        <translation>zonaria-cli [clock] [--json]
  Las cinco ciudades mostradas con su hora y fecha locales; * señala el recuadro seleccionado.
</translation>
    </message>
    <message>
        <source>zonaria-cli find TEXT [--json]
  The entries of the city list that begin with TEXT, without regard to case and accents.
</source>
        <translation>zonaria-cli find TEXT [--json]
  Las entradas de la lista de ciudades que empiezan por TEXT, sin distinguir mayúsculas ni acentos.
</translation>
    </message>
    <message>
        <source>zonaria-cli codes phone|airport [TEXT] [--json]
  The rows of the Phone Codes or Airport Codes list, optionally only the cities that begin
  with TEXT.
</source>
        <translation>zonaria-cli codes phone|airport [TEXT] [--json]
  Las filas de la lista Prefijos telefónicos o Códigos de aeropuerto, si se desea solo las
  ciudades que empiezan por TEXT.
</translation>
    </message>
    <message>
        <source>zonaria-cli time NAME [--at INSTANT] [--json]
  The city&apos;s local time at an instant (default now), whether daylight time is in force and
  the bias (UTC = local time + bias, in minutes). INSTANT is UTC: 2026-03-08T10:00:00Z,
  from 1970 to 2037.
</source>
        <translation>zonaria-cli time NAME [--at INSTANT] [--json]
  La hora local de la ciudad en un instante (por omisión, ahora), si rige el horario de verano
  y el desfase (UTC = hora local + desfase, en minutos). INSTANT es UTC: 2026-03-08T10:00:00Z,
  de 1970 a 2037.
</translation>
    </message>
    <message>
        <source>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Sunrise, sunset and daylight hours of a local date (default today), with twilight on request.
</source>
        <translation>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Salida y puesta del sol y horas de luz de una fecha local (por omisión, hoy), con el
  crepúsculo si se pide.
</translation>
    </message>
    <message>
        <source>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Moonrise and moonset of a local date, and the last and next principal phases.
</source>
        <translation>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Salida y puesta de la luna de una fecha local, y la fase principal anterior y la siguiente.
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
  La calculadora de distancias: FROM y TO son nombres de ciudad o posiciones @LAT,LON en
  grados. La velocidad va en la unidad del sistema (por omisión, 500 km/h en esas unidades);
  --mode toma la de un medio de transporte (--modes los lista). Unidades: el ajuste UnitSystem.
</translation>
    </message>
    <message>
        <source>zonaria-cli set-city DISPLAY NAME [--json]
  Shows the city NAME in display DISPLAY (0 to 4). On the selected display the city becomes
  the device&apos;s current city, and the device takes its time zone.
</source>
        <translation>zonaria-cli set-city DISPLAY NAME [--json]
  Muestra la ciudad NAME en el recuadro DISPLAY (0 a 4). En el recuadro seleccionado pasa a ser
  la ciudad actual del dispositivo, que adopta su zona horaria.
</translation>
    </message>
    <message>
        <source>zonaria-cli select DISPLAY [--json]
  Makes display DISPLAY (0 to 4) the selected display: its city becomes the device&apos;s current
  city, and the device takes its time zone when that differs. There is no question first.
</source>
        <translation>zonaria-cli select DISPLAY [--json]
  Selecciona el recuadro DISPLAY (0 a 4): su ciudad pasa a ser la ciudad actual del
  dispositivo, que adopta su zona horaria si es distinta. No se pide confirmación.
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
  Alarmas a la hora local de una ciudad, las mismas que Alarmas en la ventana: --at es la hora
  local de la ciudad, --in un plazo desde ahora (90s, 10m, 2h, 1h30m). Sin --message la alarma
  dice «Son las 7:00 en Tokyo». Una hora pasada se rechaza. list muestra el identificador, la
  hora en la ciudad y en este dispositivo y el mensaje; delete toma un identificador. El agente
  zonaria-alarmd las hace sonar, también con Zonaria cerrado, y se inicia cuando hace falta.
</translation>
    </message>
    <message>
        <source>zonaria-cli: the Zonaria world clock and its calculators from a terminal.
It uses the device profile of the application ($ZONARIA_DEVICE, else ~/.local/share/zonaria/device).
--json gives machine-readable output; --help after a command describes it; --version
prints the version.
Errors print one line on stderr and exit with code 2.
</source>
        <translation>zonaria-cli: el reloj mundial Zonaria y sus calculadoras desde un terminal.
Usa el perfil de dispositivo de la aplicación ($ZONARIA_DEVICE, si no ~/.local/share/zonaria/device).
--json da una salida legible por máquina; --help tras una orden la describe; --version
muestra la versión.
Los errores escriben una línea en stderr y salen con el código 2.
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
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
  Nombre y país, zona horaria, latitud y longitud, salida y puesta del sol de hoy, código de
  aeropuerto y prefijos. Los nombres se buscan sin distinguir mayúsculas, ni acentos si ningún
  nombre se escribe así (Sao Paulo encuentra São Paulo); bastan las primeras palabras de un
  nombre si solo empiezan el de una ciudad (Chicago encuentra Chicago, IL). Entrecomille los
  nombres con espacios. También el próximo cambio de hora de la ciudad («Los relojes se
  atrasan 1 hora el dom 25 oct 2026 a las 02:00»).
</translation>
    </message>
    <message>
        <source>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  The Time Calculator: the local time in the reference city --from, and the same instant
  in each named city (default: the five displayed cities). A local time the clocks skip is
  the time after the gap, one they repeat its first occurrence; a note says so.
</source>
        <translation>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  La calculadora de horas: la hora local en la ciudad de referencia --from y el mismo instante
  en cada ciudad indicada (por omisión, las cinco ciudades mostradas). Una hora local que los
  relojes se saltan se toma como la hora tras el salto, y una que repiten, como su primera
  aparición; una nota lo indica.
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
  Comprueba el perfil del dispositivo como la verificación de integridad de SQLite (que la
  herramienta sqlite3 no puede hacer: la base de ciudades necesita la intercalación de Zonaria)
  y su esquema; muestra la ruta, las versiones del esquema y de tzdata, el número de ciudades y
  dónde está la ayuda, luego ok o lo que falla (código de salida 2), y de qué dispositivo son
  el reloj y la zona (véase device).
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
  Muestra o elige el dispositivo cuyo reloj y zona horaria muestra y ajusta Zonaria: el del
  equipo, mediante su servicio de hora (org.freedesktop.timedate1), o uno privado guardado en
  el perfil (el reloj del anfitrión más un desfase, y una zona). Un perfil nuevo toma el
  equipo si su servicio de hora responde; solo esta orden lo cambia.
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
  Pide la hora una vez a un servidor de hora de Internet (SNTP, por omisión pool.ntp.org puerto
  123, 20000 ms de espera): muestra el desfase del reloj, el retardo de ida y vuelta en segundos
  y el estrato del servidor, y ajusta el reloj del dispositivo salvo con --dry-run. HOST es un
  nombre o una dirección IPv4 o IPv6. Un datagrama que no supera una comprobación se rechaza y
  se sigue esperando una respuesta válida hasta agotar el tiempo. Un desfase de más de un día
  solo se aplica con --force.
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
  El planificador de reuniones: cada hora de la fecha local de la primera ciudad (por omisión,
  hoy allí) en cada ciudad, marcando las horas dentro del horario laboral de cada ciudad (*) y
  las que están dentro del de todas (=), y después el horario laboral común. Por omisión, las
  cinco ciudades mostradas, la actual primero; el horario laboral, el de las Preferencias
  (09:00-17:00 si no se ha configurado) o --hours para todas. Un día con cambio de hora
  aparece con 23 o 25 horas.
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
        <translation>Uso: zonaria [OPCIÓN]...
Muestra la hora local de cinco ciudades sobre un mapa del mundo con el día y la noche.
Un segundo inicio trae al frente la ventana abierta.

  -h, --help     mostrar esta ayuda y salir
      --version  mostrar la versión y salir

Se aceptan las opciones propias de Qt (-platform NAME, -style NAME, -qwindowgeometry WxH+X+Y, ...).
El perfil del dispositivo es $ZONARIA_DEVICE o, si no, $XDG_DATA_HOME/zonaria/device.
zonaria-cli muestra el reloj mundial y ejecuta las calculadoras en un terminal.
</translation>
    </message>
    <message>
        <source>zonaria: unknown option &apos;%1&apos;
Try &apos;zonaria --help&apos; for more information.
</source>
        <translation>zonaria: opción desconocida «%1»
Pruebe «zonaria --help» para más información.
</translation>
    </message>
</context>
<context>
    <name>Zonaria</name>
    <message>
        <source>Save changes to %s?</source>
        <comment>102</comment>
        <translation>¿Guardar los cambios en %s?</translation>
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
Salida del sol: %s
Puesta del sol: %s
Aeropuerto: %s
Prefijo: %s - %s</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

(Time Zone will not change)</source>
        <comment>109</comment>
        <translation>¿Cambiar la ciudad actual a
«%s»?

(La zona horaria no cambiará)</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past.</source>
        <comment>115</comment>
        <translation>Ha elegido una fecha y una hora que ya han pasado.</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <comment>117</comment>
        <translation>No se puede crear la alarma.  Puede que su hora ya haya pasado.</translation>
    </message>
    <message>
        <source>Cannot open city database.  If this problem persists, please re-install Zonaria.  Zonaria will now exit.</source>
        <comment>120</comment>
        <translation>No se puede abrir la base de datos de ciudades.  Si el problema continúa, vuelva a instalar Zonaria.  Zonaria se cerrará ahora.</translation>
    </message>
    <message>
        <source>Delete selected alarm?</source>
        <comment>121</comment>
        <translation>¿Eliminar la alarma seleccionada?</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

This will change the time zone for this device to
&quot;%s&quot;</source>
        <comment>122</comment>
        <translation>¿Cambiar la ciudad actual a
«%s»?

La zona horaria de este dispositivo pasará a ser
«%s»</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <comment>124</comment>
        <translation>Crear una alarma nueva</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <comment>125</comment>
        <translation>Ver o editar las propiedades de la alarma</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <comment>126</comment>
        <translation>Eliminar la alarma seleccionada</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>128</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>Time settings were synchronized to server successfully.</source>
        <comment>133</comment>
        <translation>La hora se ha sincronizado correctamente con el servidor.</translation>
    </message>
    <message>
        <source>Unable to synchronize time to server.  Make sure this device is connected to the internet, or try another SNTP server.</source>
        <comment>134</comment>
        <translation>No se puede sincronizar la hora con el servidor.  Compruebe que el dispositivo está conectado a Internet o pruebe con otro servidor SNTP.</translation>
    </message>
    <message>
        <source>Delete city &quot;%s&quot;?</source>
        <comment>149</comment>
        <translation>¿Eliminar la ciudad «%s»?</translation>
    </message>
    <message>
        <source>You cannot delete the last city.  You must have at least one city defined in the list.</source>
        <comment>150</comment>
        <translation>No se puede eliminar la última ciudad.  La lista debe contener al menos una ciudad.</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>159</comment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy of %s</source>
        <comment>160</comment>
        <translation>Copia de %s</translation>
    </message>
    <message>
        <source>Copy %d of %s</source>
        <comment>161</comment>
        <translation>Copia %d de %s</translation>
    </message>
    <message>
        <source>Cannot copy city &quot;%s&quot;.  Too many copies.</source>
        <comment>162</comment>
        <translation>No se puede copiar la ciudad «%s».  Hay demasiadas copias.</translation>
    </message>
    <message>
        <source>City name must be unique, and connot use the characters &quot;()%#*&quot;.</source>
        <comment>163</comment>
        <translation>El nombre de la ciudad debe ser único y no puede contener los caracteres «()%#*».</translation>
    </message>
    <message>
        <source>Create new city &quot;%s&quot;?</source>
        <comment>164</comment>
        <translation>¿Crear la ciudad nueva «%s»?</translation>
    </message>
    <message>
        <source>Cannot delete a city that is currently displayed on the main screen.</source>
        <comment>165</comment>
        <translation>No se puede eliminar una ciudad que se muestra en la pantalla principal.</translation>
    </message>
    <message>
        <source>City in %s</source>
        <comment>168</comment>
        <translation>Ciudad en %s</translation>
    </message>
    <message>
        <source>Save changes to the time and date settings?</source>
        <comment>171</comment>
        <translation>¿Guardar los cambios de la hora y la fecha?</translation>
    </message>
    <message>
        <source>Begin Civil Twilight:
Sunrise:
Sunset:
End Civil Twilight:

Daylight Hours:</source>
        <comment>172</comment>
        <translation>Inicio crepúsculo civil:
Salida del sol:
Puesta del sol:
Fin crepúsculo civil:

Horas de luz:</translation>
    </message>
    <message>
        <source>Begin Nautical Twilight:
Sunrise:
Sunset:
End Nautical Twilight:

Daylight Hours:</source>
        <comment>173</comment>
        <translation>Inicio crepúsculo náutico:
Salida del sol:
Puesta del sol:
Fin crepúsculo náutico:

Horas de luz:</translation>
    </message>
    <message>
        <source>Begin Astronomical Twilight:
Sunrise:
Sunset:
End Astronomical Twilight:

Daylight Hours:</source>
        <comment>174</comment>
        <translation>Inicio crepúsculo astronómico:
Salida del sol:
Puesta del sol:
Fin crepúsculo astronómico:

Horas de luz:</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <comment>175</comment>
        <translation>Salida del sol:
Puesta del sol:

Horas de luz:</translation>
    </message>
    <message>
        <source>New Moon %s</source>
        <comment>177</comment>
        <translation>Luna nueva %s</translation>
    </message>
    <message>
        <source>First Quarter %s</source>
        <comment>178</comment>
        <translation>Cuarto creciente %s</translation>
    </message>
    <message>
        <source>Full Moon on %s</source>
        <comment>179</comment>
        <translation>Luna llena el %s</translation>
    </message>
    <message>
        <source>Last Quarter %s</source>
        <comment>180</comment>
        <translation>Cuarto menguante %s</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>182</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>City</source>
        <comment>2000</comment>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <comment>2001</comment>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>2002</comment>
        <translation>País</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <comment>2003</comment>
        <translation>Código de aeropuerto</translation>
    </message>
    <message>
        <source>2~Walk</source>
        <comment>5000</comment>
        <translation>2~A pie</translation>
    </message>
    <message>
        <source>8~Sailboat</source>
        <comment>5001</comment>
        <translation>8~Velero</translation>
    </message>
    <message>
        <source>10~Bicycle</source>
        <comment>5002</comment>
        <translation>10~Bicicleta</translation>
    </message>
    <message>
        <source>22~Cruise Ship</source>
        <comment>5003</comment>
        <translation>22~Crucero</translation>
    </message>
    <message>
        <source>48~Automobile</source>
        <comment>5004</comment>
        <translation>48~Automóvil</translation>
    </message>
    <message>
        <source>60~Train</source>
        <comment>5005</comment>
        <translation>60~Tren</translation>
    </message>
    <message>
        <source>136~High Speed Train</source>
        <comment>5006</comment>
        <translation>136~Tren de alta velocidad</translation>
    </message>
    <message>
        <source>125~Private Plane</source>
        <comment>5007</comment>
        <translation>125~Avioneta privada</translation>
    </message>
    <message>
        <source>200~Commuter Turbo-Prop</source>
        <comment>5008</comment>
        <translation>200~Turbohélice regional</translation>
    </message>
    <message>
        <source>450~Commercial Jet</source>
        <comment>5009</comment>
        <translation>450~Avión comercial</translation>
    </message>
    <message>
        <source>520~Commercial Jet (fastest)</source>
        <comment>5010</comment>
        <translation>520~Avión comercial (el más rápido)</translation>
    </message>
    <message>
        <source>1160~Concorde Supersonic</source>
        <comment>5011</comment>
        <translation>1160~Concorde supersónico</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>32784</comment>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>32799</comment>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>32790</comment>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Time Calculator</source>
        <comment>32801</comment>
        <translation>Calculadora de horas</translation>
    </message>
    <message>
        <source>Distance Calculator</source>
        <comment>32800</comment>
        <translation>Calculadora de distancias</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <comment>32791</comment>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <comment>32792</comment>
        <translation>Salida de la luna</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>40001</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Zonaria Help</source>
        <comment>40002</comment>
        <translation>Ayuda de Zonaria</translation>
    </message>
    <message>
        <source>The help file Zonaria.htm was not found beside the program.  Reinstalling Zonaria restores it.</source>
        <comment>40003</comment>
        <translation>No se encuentra el archivo de ayuda Zonaria.htm junto al programa.  Al reinstalar Zonaria se restaura.</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help.  Install xdg-utils and a web browser to read it.</source>
        <comment>40004</comment>
        <translation>No se ha podido abrir ningún navegador para mostrar la ayuda.  Instale xdg-utils y un navegador web para leerla.</translation>
    </message>
    <message>
        <source>The device profile at %s cannot be used: %s</source>
        <comment>40005</comment>
        <translation>No se puede usar el perfil del dispositivo en %s: %s</translation>
    </message>
    <message>
        <source>Please enter a speed between 0 and 1,000,000.</source>
        <comment>40101</comment>
        <translation>Introduzca una velocidad entre 0 y 1.000.000.</translation>
    </message>
    <message>
        <source>Arrives %s local time</source>
        <comment>40102</comment>
        <translation>Llegada a las %s, hora local</translation>
    </message>
    <message>
        <source>Please enter an integer between %d and %d.</source>
        <comment>40201</comment>
        <translation>Introduzca un número entero entre %d y %d.</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be saved: the city database refused the change.  Nothing was changed; check the free space of the device and try again.</source>
        <comment>40202</comment>
        <translation>No se ha podido guardar la ciudad «%s»: la base de datos de ciudades ha rechazado el cambio.  No se ha modificado nada; compruebe el espacio libre del dispositivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be deleted: the city database refused the change.</source>
        <comment>40203</comment>
        <translation>No se ha podido eliminar la ciudad «%s»: la base de datos de ciudades ha rechazado el cambio.</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>110</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>It is %s in %s</source>
        <comment>114</comment>
        <translation>Son las %s en %s</translation>
    </message>
    <message>
        <source>The time zone could not be changed to &quot;%s&quot;: %s.

Nothing was changed; the current city stays &quot;%s&quot;.</source>
        <comment>40301</comment>
        <translation>No se pudo cambiar la zona horaria a «%s»: %s.

No se cambió nada; la ciudad actual sigue siendo «%s».</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically.  Turn automatic time off and set the clock by hand?</source>
        <comment>40302</comment>
        <translation>Este equipo ajusta su reloj automáticamente.  ¿Desactivar la hora automática y ajustar el reloj a mano?</translation>
    </message>
    <message>
        <source>The clock of this computer could not be set: %s.</source>
        <comment>40303</comment>
        <translation>No se pudo ajustar el reloj de este equipo: %s.</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is synchronized.</source>
        <comment>40304</comment>
        <translation>Este equipo ajusta su reloj automáticamente; está sincronizado.</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is not synchronized yet.</source>
        <comment>40305</comment>
        <translation>Este equipo ajusta su reloj automáticamente; todavía no está sincronizado.</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is set by hand.</source>
        <comment>40306</comment>
        <translation>El reloj de este equipo se ajusta a mano.</translation>
    </message>
    <message>
        <source>Set the time automatically</source>
        <comment>40307</comment>
        <translation>Ajustar la hora automáticamente</translation>
    </message>
    <message>
        <source>Automatic time could not be changed: %s.</source>
        <comment>40308</comment>
        <translation>No se pudo cambiar la hora automática: %s.</translation>
    </message>
    <message>
        <source>Clock and time zone: this computer&apos;s own (%s)</source>
        <comment>40309</comment>
        <translation>Reloj y zona horaria: los de este equipo (%s)</translation>
    </message>
    <message>
        <source>Clock and time zone: Zonaria&apos;s own, kept in its profile</source>
        <comment>40310</comment>
        <translation>Reloj y zona horaria: los propios de Zonaria, guardados en su perfil</translation>
    </message>
    <message>
        <source>The SNTP server &quot;%s&quot; was not found.  Check its name, or choose another SNTP server.</source>
        <comment>40321</comment>
        <translation>No se encontró el servidor SNTP «%s».  Compruebe su nombre o elija otro servidor SNTP.</translation>
    </message>
    <message>
        <source>The time server&apos;s clock is %s away from this device&apos;s clock.  Set this device&apos;s clock to it anyway?</source>
        <comment>40322</comment>
        <translation>El reloj del servidor de hora difiere %s del reloj de este dispositivo.  ¿Ajustar de todos modos el reloj de este dispositivo a él?</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <comment>40323</comment>
        <translation>El perfil es de solo lectura</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <comment>40324</comment>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>The change could not be saved: %s.</source>
        <comment>40325</comment>
        <translation>No se pudo guardar el cambio: %s.</translation>
    </message>
    <message>
        <source>The city list could not be read completely, so cities are missing from it: %s</source>
        <comment>40326</comment>
        <translation>No se pudo leer completa la lista de ciudades, por lo que faltan ciudades: %s</translation>
    </message>
</context>
<context>
    <name>za::CityInstall</name>
    <message>
        <source>cannot write the first city (error %1)</source>
        <translation>no se puede escribir la primera ciudad (error %1)</translation>
    </message>
    <message>
        <source>cannot create the city database (error %1)</source>
        <translation>no se puede crear la base de ciudades (error %1)</translation>
    </message>
    <message>
        <source>cannot open the new city database (error %1)</source>
        <translation>no se puede abrir la nueva base de ciudades (error %1)</translation>
    </message>
    <message>
        <source>line %1 of the city list</source>
        <translation>la línea %1 de la lista de ciudades</translation>
    </message>
    <message>
        <source>%1 repeats the city name &quot;%2&quot;</source>
        <translation>%1 repite el nombre de ciudad «%2»</translation>
    </message>
    <message>
        <source>cannot store %1 (error %2)</source>
        <translation>no se puede guardar %1 (error %2)</translation>
    </message>
    <message>
        <source>time zone %1 cannot be derived for %2</source>
        <translation>no se puede deducir la zona horaria %1 para %2</translation>
    </message>
    <message>
        <source>cannot write the time-zone table (error %1)</source>
        <translation>no se puede escribir la tabla de zonas horarias (error %1)</translation>
    </message>
    <message>
        <source>the city list has no &quot;%1&quot;</source>
        <translation>la lista de ciudades no contiene «%1»</translation>
    </message>
    <message>
        <source>cannot make %1 the home city</source>
        <translation>no se puede hacer de %1 la ciudad de origen</translation>
    </message>
    <message>
        <source>cannot write the Clock settings (error %1)</source>
        <translation>no se pueden escribir los ajustes del reloj (error %1)</translation>
    </message>
    <message>
        <source>cannot store the city list (error %1)</source>
        <translation>no se puede guardar la lista de ciudades (error %1)</translation>
    </message>
    <message>
        <source>cannot write the Today item&apos;s key (error %1)</source>
        <translation>no se puede escribir la clave del elemento Hoy (error %1)</translation>
    </message>
</context>
<context>
    <name>za::CityListCsv</name>
    <message>
        <source>the city list ends inside a quoted field</source>
        <translation>la lista de ciudades termina dentro de un campo entre comillas</translation>
    </message>
    <message>
        <source>the city list has no cities or not the expected columns</source>
        <translation>la lista de ciudades no tiene ciudades o no tiene las columnas esperadas</translation>
    </message>
    <message>
        <source>line %1 of the city list is malformed</source>
        <translation>la línea %1 de la lista de ciudades está mal formada</translation>
    </message>
</context>
<context>
    <name>za::CurrentCity</name>
    <message>
        <source>the selected display (%1) is not one of the five</source>
        <translation>el recuadro seleccionado (%1) no es uno de los cinco</translation>
    </message>
    <message>
        <source>the current city %1 (display %2) is not in the device&apos;s time zone (%3)</source>
        <translation>la ciudad actual %1 (recuadro %2) no está en la zona horaria del dispositivo (%3)</translation>
    </message>
</context>
<context>
    <name>za::SpokenText</name>
    <message>
        <source>, daylight saving time</source>
        <translation>, horario de verano</translation>
    </message>
</context>
<context>
    <name>za::app::CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>za::app::CAirportCodesDlg</name>
    <message>
        <source>Airport Codes</source>
        <translation>Códigos de aeropuerto</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmListCtrl</name>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Delete Alarm</source>
        <translation>Eliminar alarma</translation>
    </message>
    <message>
        <source>Alarm Properties...</source>
        <translation>Propiedades de la alarma...</translation>
    </message>
    <message>
        <source>New Alarm...</source>
        <translation>Nueva alarma...</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmsDlg</name>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
</context>
<context>
    <name>za::app::CAstroDlg</name>
    <message>
        <source>Choose a City and a Date</source>
        <translation>Elija una ciudad y una fecha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>za::app::CCitiesDlg</name>
    <message>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
</context>
<context>
    <name>za::app::CCityDisplay</name>
    <message>
        <source>Select a City</source>
        <translation>Elegir una ciudad</translation>
    </message>
    <message>
        <source>Set as Current City</source>
        <translation>Establecer como ciudad actual</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>Programar alarma...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>Salida del sol...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>Salida de la luna...</translation>
    </message>
    <message>
        <source>View/Edit Details...</source>
        <translation>Ver/editar detalles...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListCtrl</name>
    <message>
        <source>Delete City</source>
        <translation>Eliminar ciudad</translation>
    </message>
    <message>
        <source>Edit City...</source>
        <translation>Editar ciudad...</translation>
    </message>
    <message>
        <source>Copy City...</source>
        <translation>Copiar ciudad...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListDlg</name>
    <message>
        <source>Search by city, country or code</source>
        <translation>Buscar por ciudad, país o código</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>Buscar ciudades</translation>
    </message>
</context>
<context>
    <name>za::app::CCityPickerPopup</name>
    <message>
        <source>Select a City</source>
        <translation>Elegir una ciudad</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>Buscar ciudades</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Ciudades</translation>
    </message>
    <message>
        <source>Type to narrow the list, Enter chooses, Esc cancels</source>
        <translation>Escriba para filtrar la lista; Intro elige, Esc cancela</translation>
    </message>
</context>
<context>
    <name>za::app::CDialogFrame</name>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation>Crear una alarma nueva</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <translation>Ver o editar las propiedades de la alarma</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <translation>Eliminar la alarma seleccionada</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Create a copy of the selected city</source>
        <translation>Crear una copia de la ciudad seleccionada</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>View or edit city properties</source>
        <translation>Ver o editar las propiedades de la ciudad</translation>
    </message>
    <message>
        <source>Delete the selected city</source>
        <translation>Eliminar la ciudad seleccionada</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
</context>
<context>
    <name>za::app::CDistanceCalcDlg</name>
    <message>
        <source>Distance Calculator</source>
        <translation>Calculadora de distancias</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>Distance and Travel Time Between Cities</source>
        <translation>Distancia y tiempo de viaje entre ciudades</translation>
    </message>
    <message>
        <source>Travel Speed</source>
        <translation>Velocidad de viaje</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distancia:</translation>
    </message>
    <message>
        <source>Travel Time:</source>
        <translation>Tiempo de viaje:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>a:</translation>
    </message>
</context>
<context>
    <name>za::app::CHelpButton</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>za::app::CMainFrame</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>za::app::CMainView</name>
    <message>
        <source>Main screen</source>
        <translation>Pantalla principal</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Welcome to Zonaria. Click a city or the map for its facts, right-click a city for its menu. &lt;a href=&quot;welcome&quot;&gt;Getting started&lt;/a&gt;</source>
        <translation>Bienvenido a Zonaria. Haga clic en una ciudad o en el mapa para ver sus datos, y con el botón derecho en una ciudad para abrir su menú. &lt;a href=&quot;welcome&quot;&gt;Primeros pasos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close the welcome</source>
        <translation>Cerrar la bienvenida</translation>
    </message>
</context>
<context>
    <name>za::app::CMeetingPlannerDlg</name>
    <message>
        <source>Meeting Planner</source>
        <translation>Planificador de reuniones</translation>
    </message>
    <message>
        <source>Hours of the displayed cities on this date in the current city:</source>
        <translation>Horas de las ciudades mostradas en esta fecha de la ciudad actual:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Picked hour</source>
        <translation>Hora elegida</translation>
    </message>
    <message>
        <source>Common working hours</source>
        <translation>Horario laboral común</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Horario laboral desde</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Horario laboral hasta</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Working hours in %1:</source>
        <translation>Horario laboral en %1:</translation>
    </message>
</context>
<context>
    <name>za::app::CMoonriseDlg</name>
    <message>
        <source>Moonrise:
Moonset:</source>
        <translation>Salida de la luna:
Puesta de la luna:</translation>
    </message>
    <message>
        <source>Moonrise and Moonset</source>
        <translation>Salida y puesta de la luna</translation>
    </message>
    <message>
        <source>Moonrise and Moonset Information</source>
        <translation>Salida y puesta de la luna</translation>
    </message>
</context>
<context>
    <name>za::app::CPageCity</name>
    <message>
        <source>City Info</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>City Name:</source>
        <translation>Nombre de la ciudad:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>Prefijo del país:</translation>
    </message>
    <message>
        <source>Area / City Code:</source>
        <translation>Prefijo de zona:</translation>
    </message>
    <message>
        <source>Airport:</source>
        <translation>Aeropuerto:</translation>
    </message>
</context>
<context>
    <name>za::app::CPageLocation</name>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Grados de latitud</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutos de latitud</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Grados de longitud</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutos de longitud</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>Hemisferio de la latitud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>Hemisferio de la longitud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Degrees; decimal degrees such as 48.8566, 2.3522 may be pasted here</source>
        <translation>Grados; aquí se pueden pegar grados decimales como 48.8566, 2.3522</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
</context>
<context>
    <name>za::app::CPageTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Daylight Savings Time Rule</source>
        <translation>Regla del horario de verano</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Zona horaria:</translation>
    </message>
    <message>
        <source>The current city&apos;s time zone is the device&apos;s own.</source>
        <translation>La zona horaria de la ciudad actual es la del dispositivo.</translation>
    </message>
    <message>
        <source>Next Clock Change</source>
        <translation>Próximo cambio de hora</translation>
    </message>
    <message>
        <source>None within a year</source>
        <translation>Ninguno en el próximo año</translation>
    </message>
</context>
<context>
    <name>za::app::CPhoneCodesDlg</name>
    <message>
        <source>Phone Codes</source>
        <translation>Prefijos telefónicos</translation>
    </message>
</context>
<context>
    <name>za::app::CPlannerGrid</name>
    <message>
        <source>Hours of the cities</source>
        <translation>Horas de las ciudades</translation>
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
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Show &apos;current city&apos; buttons in city displays</source>
        <translation>Botones «ciudad actual» en los recuadros</translation>
    </message>
    <message>
        <source>Show &apos;change city&apos; buttons in city displays</source>
        <translation>Botones «cambiar ciudad» en los recuadros</translation>
    </message>
    <message>
        <source>No Twilight</source>
        <translation>Sin crepúsculo</translation>
    </message>
    <message>
        <source>Civil Twilight</source>
        <translation>Crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical Twilight</source>
        <translation>Crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical Twilight</source>
        <translation>Crepúsculo astronómico</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglosajón</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Nautical Miles</source>
        <translation>Millas náuticas</translation>
    </message>
    <message>
        <source>Show Zonaria cities on the Today screen</source>
        <translation>Mostrar las ciudades de Zonaria en la pantalla Hoy</translation>
    </message>
    <message>
        <source>Twilight:</source>
        <translation>Crepúsculo:</translation>
    </message>
    <message>
        <source>Unit System:</source>
        <translation>Unidades:</translation>
    </message>
    <message>
        <source>Number of cities on today screen:</source>
        <translation>Ciudades en la pantalla Hoy:</translation>
    </message>
    <message>
        <source>Show offsets</source>
        <translation>Mostrar diferencias horarias</translation>
    </message>
    <message>
        <source>Each city display shows its difference from the current city</source>
        <translation>Cada recuadro muestra su diferencia con la ciudad actual</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>Horario laboral desde</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>Horario laboral hasta</translation>
    </message>
    <message>
        <source>Working hours:</source>
        <translation>Horario laboral:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
</context>
<context>
    <name>za::app::CSetAlarmDlg</name>
    <message>
        <source>Set Alarm</source>
        <translation>Programar alarma</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Alarm Message</source>
        <translation>Mensaje de la alarma</translation>
    </message>
    <message>
        <source>Default Message</source>
        <translation>Mensaje predeterminado</translation>
    </message>
    <message>
        <source>When it is:</source>
        <translation>Hora local:</translation>
    </message>
    <message>
        <source>On this day:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora de la alarma</translation>
    </message>
    <message>
        <source>in:</source>
        <translation>en:</translation>
    </message>
    <message>
        <source>Set the alarm sound in your desktop&apos;s sound settings</source>
        <translation>Elija el sonido de la alarma en la configuración de sonido de su escritorio</translation>
    </message>
    <message>
        <source>Alarm Time Note</source>
        <translation>Nota sobre la hora de la alarma</translation>
    </message>
</context>
<context>
    <name>za::app::CSetTimeDlg</name>
    <message>
        <source>Set Time</source>
        <translation>Ajustar la hora</translation>
    </message>
    <message>
        <source>Time and Date Settings</source>
        <translation>Hora y fecha</translation>
    </message>
    <message>
        <source>Synchronize to Internet Time</source>
        <translation>Sincronizar con la hora de Internet</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Hora:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>Select an SNTP time server from the list, or type one in.  Then click the &apos;Sync&apos; button to synchronize the computer&apos;s time to the server.</source>
        <translation>Elija un servidor de hora SNTP de la lista o escriba uno.  Después haga clic en «Sincronizar» para ajustar la hora del equipo a la del servidor.</translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n año</numerusform>
            <numerusform>%n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>za::app::CSunriseDlg</name>
    <message>
        <source>Sunrise and Sunset</source>
        <translation>Salida y puesta del sol</translation>
    </message>
    <message>
        <source>Sunrise and Sunset Information</source>
        <translation>Salida y puesta del sol</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <translation>Salida del sol:
Puesta del sol:

Horas de luz:</translation>
    </message>
</context>
<context>
    <name>za::app::CTimeCalcDlg</name>
    <message>
        <source>Time Calculator</source>
        <translation>Calculadora de horas</translation>
    </message>
    <message>
        <source>When its this time in the reference city:</source>
        <translation>Cuando en la ciudad de referencia es esta hora:</translation>
    </message>
    <message>
        <source>The time in these cities will be:</source>
        <translation>en estas ciudades será:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora del día</translation>
    </message>
    <message>
        <source>Drag to move the reference time through the day</source>
        <translation>Arrastre para mover la hora de referencia a lo largo del día</translation>
    </message>
    <message>
        <source>Reference Time Note</source>
        <translation>Nota sobre la hora de referencia</translation>
    </message>
</context>
<context>
    <name>za::app::CWorldMapWnd</name>
    <message>
        <source>World map</source>
        <translation>Mapa del mundo</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayHost</name>
    <message>
        <source>Zonaria Today</source>
        <translation>Zonaria Hoy</translation>
    </message>
    <message>
        <source>No Today item is shown.
Zonaria&apos;s Preferences turn it on.</source>
        <translation>No se muestra ningún elemento de Hoy.
Se activa en las Preferencias de Zonaria.</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Opciones…</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Abrir Zonaria</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The device profile at %1 cannot be used: %2</source>
        <translation>No se puede usar el perfil del dispositivo de %1: %2</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayItem</name>
    <message>
        <source>, current city</source>
        <translation>, ciudad actual</translation>
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
        <translation>La pantalla Hoy de Zonaria muestra siempre las mismas ciudades que la pantalla principal de la aplicación.  Para cambiar las ciudades de la pantalla Hoy, cambie las ciudades mostradas en la pantalla principal de Zonaria. </translation>
    </message>
    <message>
        <source>Today: Zonaria Options</source>
        <translation>Hoy: opciones de Zonaria</translation>
    </message>
    <message>
        <source>Number of cities to show:</source>
        <translation>Número de ciudades:</translation>
    </message>
</context>
<context>
    <name>zalib</name>
    <message>
        <source>Never rises</source>
        <comment>500</comment>
        <translation>No sale</translation>
    </message>
    <message>
        <source>Never sets</source>
        <comment>501</comment>
        <translation>No se pone</translation>
    </message>
    <message>
        <source>Always light</source>
        <comment>502</comment>
        <translation>Siempre de día</translation>
    </message>
    <message>
        <source>Always dark</source>
        <comment>503</comment>
        <translation>Siempre de noche</translation>
    </message>
    <message>
        <source>Does not observe daylight savings time</source>
        <comment>504</comment>
        <translation>Sin horario de verano</translation>
    </message>
    <message>
        <source>First</source>
        <comment>505</comment>
        <translation>primer</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>506</comment>
        <translation>segundo</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>507</comment>
        <translation>tercer</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>508</comment>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>509</comment>
        <translation>último</translation>
    </message>
    <message>
        <source>%s %s in %s to %s %s in %s</source>
        <comment>510</comment>
        <translation>Del %s %s de %s al %s %s de %s</translation>
    </message>
    <message>
        <source>%.0f miles</source>
        <comment>511</comment>
        <translation>%.0f millas</translation>
    </message>
    <message>
        <source>%.0f nautical miles</source>
        <comment>512</comment>
        <translation>%.0f millas náuticas</translation>
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
        <translation>%.0f millas/h</translation>
    </message>
    <message>
        <source>%.0f knots</source>
        <comment>516</comment>
        <translation>%.0f nudos</translation>
    </message>
    <message numerus="yes">
        <source>%d days %d hours %d min</source>
        <comment>517</comment>
        <translation>
            <numerusform>%d día %d h %d min</numerusform>
            <numerusform>%d días %d h %d min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d hours %d min</source>
        <comment>518</comment>
        <translation>
            <numerusform>%d hora %d min</numerusform>
            <numerusform>%d horas %d min</numerusform>
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
        <translation>%s no existe ese día en %s (los relojes se adelantan): se toma %s.</translation>
    </message>
    <message>
        <source>%s occurs twice in %s that day (the clocks go back): the first, %s, is taken.</source>
        <comment>541</comment>
        <translation>%s ocurre dos veces ese día en %s (los relojes se atrasan): se toma la primera, %s.</translation>
    </message>
    <message>
        <source>Clocks go forward %s on %s at %s</source>
        <comment>600</comment>
        <translation>Los relojes se adelantan %s el %s a las %s</translation>
    </message>
    <message>
        <source>Clocks go back %s on %s at %s</source>
        <comment>601</comment>
        <translation>Los relojes se atrasan %s el %s a las %s</translation>
    </message>
    <message>
        <source>1 hour</source>
        <comment>602</comment>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%d hours</source>
        <comment>603</comment>
        <translation>%d horas</translation>
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
        <translation>ayer</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <comment>609</comment>
        <translation>mañana</translation>
    </message>
    <message>
        <source>Sun overhead: %s</source>
        <comment>610</comment>
        <translation>Sol en el cenit: %s</translation>
    </message>
    <message>
        <source>Moon overhead: %s</source>
        <comment>611</comment>
        <translation>Luna en el cenit: %s</translation>
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
        <translation>Ningún horario laboral común</translation>
    </message>
    <message>
        <source>Common working hours: %s</source>
        <comment>617</comment>
        <translation>Horario laboral común: %s</translation>
    </message>
    <message>
        <source>%s in %s</source>
        <comment>618</comment>
        <translation>%s en %s</translation>
    </message>
    <message>
        <source>%s in %s is %s</source>
        <comment>619</comment>
        <translation>%s en %s equivale a %s</translation>
    </message>
    <message>
        <source>within working hours</source>
        <comment>620</comment>
        <translation>dentro del horario laboral</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <comment>621</comment>
        <translation>fuera del horario laboral</translation>
    </message>
    <message>
        <source>%d%% lit</source>
        <comment>622</comment>
        <translation>%d %% iluminada</translation>
    </message>
    <message>
        <source>%s%d min</source>
        <comment>623</comment>
        <translation>%s%d min</translation>
    </message>
</context>
</TS>
