#!/usr/bin/env bash
# Writes tests/data/geodesic.csv: exact geodesic distances between pairs of positions, from
# GeographicLib's GeodSolve (Debian package geographiclib-tools) on the system's ellipsoid
# (a = 6378.14 km, f = 1/298.257). Run by hand; the build and the tests only read the result.
set -euo pipefail
cd "$(dirname "$0")/.."
out=tests/data/geodesic.csv
# name, lon1, lat1, lon2, lat2 in hundredths of a degree (east and north positive)
pairs=$(cat <<'PAIRS'
New York - London,-7401,4071,-13,5151
San Francisco - Tokyo,-12242,3775,13969,3569
Sydney - Santiago,15121,-3387,-7067,-3345
Paris - Moscow,235,4886,3762,5576
Cairo - Johannesburg,3124,3004,2805,-2620
Mumbai - Singapore,7288,1908,10385,129
Reykjavik - Anchorage,-2194,6415,-14990,6122
Buenos Aires - Cape Town,-5838,-3460,1842,-3392
Honolulu - Auckland,-15786,2131,17476,-3685
Quito - Nairobi,-7851,-22,3682,-129
Los Angeles - Mexico City,-11824,3405,-9913,1943
Beijing - Delhi,11641,3990,7721,2861
Lima - Rio de Janeiro,-7704,-1205,-4317,-2291
Anchorage - Helsinki,-14990,6122,2494,6017
Vancouver - Chicago,-12312,4928,-8763,4188
Berlin - Rome,1340,5252,1250,4190
Madrid - Lisbon,-370,4042,-914,3872
Perth - Jakarta,11586,-3195,10685,-621
Tromso - Longyearbyen,1896,6965,1564,7822
Ushuaia - McMurdo,-6830,-5480,16669,-7785
Dateline west - east,17950,1000,-17950,1000
Across the date line,17900,-1700,-17500,-2100
One degree of latitude,0,0,0,100
One degree of longitude,0,0,100,0
Meridian pole to equator,0,9000,0,0
Equator quarter,0,0,9000,0
North pole - Oslo,0,9000,1075,5991
South pole - Hobart,0,-9000,14733,-4288
Short hop,1000,5000,1001,5001
Madrid - Wellington,-370,4042,17478,-4129
Near antipodes 1,0,0,17900,50
Near antipodes 2,-7401,4071,10600,-4000
Near antipodes 3,1000,2000,-17100,-1950
Shanghai - Buenos Aires,12147,3123,-5838,-3460
Tokyo - Sao Paulo,13969,3569,-4663,-2355
Equator half way round,0,0,17999,0
Antipodes off the equator,100,100,-17900,-100
Antipodes near the pole,4500,8950,-13500,-8950
Nearly antipodal on the equator,0,0,17950,0
PAIRS
)
{
    echo "name,lon1,lat1,lon2,lat2,km"
    while IFS=, read -r name lon1 lat1 lon2 lat2; do
        metres=$(echo "$(awk "BEGIN{print $lat1/100}") $(awk "BEGIN{print $lon1/100}") $(awk "BEGIN{print $lat2/100}") $(awk "BEGIN{print $lon2/100}")" |
            GeodSolve -i -e 6378140 1/298.257 -p 6 | awk '{print $3}')
        km=$(awk "BEGIN{printf \"%.6f\", $metres/1000}")
        echo "$name,$lon1,$lat1,$lon2,$lat2,$km"
    done <<<"$pairs"
} >"$out"
echo "wrote $out"
