#!/usr/bin/python3
"""Country calling codes and city dialling codes from libphonenumber (Debian's python3-phonenumbers).

Reads from standard input a JSON list of cities:
    [{"key": "...", "country": "GB", "names": ["London", ...], "nanp": "CA", "region": "..."}, ...]
where "nanp" is the state or province code of a US or Canadian city (else absent) and "region"
the English name of the city's first-level region where known, and writes to standard output
    {"version": "8.12.57", "countries": {"GB": "44", ...}, "areas": {"<key>": "20", ...}}

A city's dialling code comes from libphonenumber's geocoding data, which names the place of
number prefixes ("4420" -> "London", "1415202" -> "San Francisco, CA", "912432" -> "Aurangabad,
Maharashtra"). Every prefix of the city's country whose English place name is one of the city's
names gives, through the number plan of the country, the area code of numbers that begin with
it. The codes are weighed as described in best_area().
"""
import json
import sys
import unicodedata

import phonenumbers
from phonenumbers import PhoneNumberType
from phonenumbers.geodata import GEOCODE_DATA


def fold(text):
    """Lower case without accents or dots, single spaces, "st" spelt out."""
    text = unicodedata.normalize("NFKD", text)
    text = "".join(c for c in text if not unicodedata.combining(c)).lower()
    text = text.replace("\u2019", "'").replace("-", " ").replace(".", "")
    words = [{"st": "saint", "ste": "sainte"}.get(w, w) for w in text.split()]
    return " ".join(words)


def places(description, nanp):
    """(place name, region or None) pairs that one description of the geocoding data stands for."""
    if nanp:
        # "San Francisco, CA": the whole text, state included ("Washington D.C." has none).
        return [(fold(description), None)]
    text = description
    if " - " in text:  # Brazil: "Sao Paulo - SP"
        text = text.split(" - ")[0]
    region = None
    if ", " in text:  # "Guangzhou, Guangdong", "Mexico City, FD"
        text, region = text.split(", ", 1)
    if "(" in text:  # "Istanbul (Europe)"
        text = text.split("(")[0]
    out = []
    for part in text.split("/"):
        name = fold(part)
        if not name:
            continue
        out.append(name)
        # "Hanoi City", "Hyderabad Local", "Greater Jakarta": also the bare name.
        for suffix in (" city", " local"):
            if name.endswith(suffix):
                out.append(name[: -len(suffix)])
        if name.startswith("greater "):
            out.append(name[len("greater "):])
    return [(name, region) for name in out]


def other_region(described, region):
    """Whether a description names another region than the city's ("Aurangabad, Bihar" for the
    Aurangabad in Maharashtra). An abbreviation ("Monterrey, NL") tells nothing, nor does a
    region that one side does not name; a name within the other is the same region."""
    if not described or not region or (len(described) <= 5 and described.isupper()):
        return False
    a, b = fold(described), fold(region)
    return a not in b and b not in a


AREA_CACHE = {}


def area_of_prefix(digits):
    """(region, area code) of numbers that begin with `digits` (country code included), or None.

    A valid fixed-line number with that beginning is needed to ask the number plan for the
    length of its area code: the prefix is completed with one repeated digit to each length.
    """
    if digits in AREA_CACHE:
        return AREA_CACHE[digits]
    result = None
    for filler in "0123456789":
        for length in range(len(digits), 16):
            number = "+" + digits + filler * (length - len(digits))
            try:
                parsed = phonenumbers.parse(number)
            except phonenumbers.NumberParseException:
                continue
            if not phonenumbers.is_valid_number(parsed):
                continue
            if phonenumbers.number_type(parsed) not in (PhoneNumberType.FIXED_LINE, PhoneNumberType.FIXED_LINE_OR_MOBILE):
                continue
            national = phonenumbers.national_significant_number(parsed)
            area_length = phonenumbers.length_of_geographical_area_code(parsed)
            cc = str(parsed.country_code)
            # The area code must lie within the prefix, else filler digits would make it up.
            if area_length == 0 or len(cc) + area_length > len(digits):
                continue
            result = (phonenumbers.region_code_for_number(parsed), national[:area_length])
            break
        if result:
            break
    AREA_CACHE[digits] = result
    return result


def best_area(prefixes, country, nanp):
    """The area code the prefixes (all naming the city) give, or None.

    North American plan: the area code is the three digits after the 1. Prefixes there name a
    whole area code or one exchange in it; an area code that the data gives to the city as a
    whole counts as ten exchanges, so that New York gets 212 rather than the overlay 646 of
    most exchanges, and Montreal 514 of 65 exchanges rather than the new overlay 263.
    Elsewhere the code of the shortest prefix wins (a city's whole area before the exchanges
    within it), then the code of most prefixes, then the lowest.
    """
    votes = {}
    if nanp:
        for prefix in prefixes:
            if len(prefix) < 4:
                continue
            found = area_of_prefix(prefix[:4])  # the area code alone decides the country
            if found is None or found[0] != country:
                continue
            votes[found[1]] = votes.get(found[1], 0) + (10 if len(prefix) == 4 else 1)
        if not votes:
            return None
        return sorted(votes.items(), key=lambda kv: (-kv[1], kv[0]))[0][0]
    for prefix in sorted(prefixes, key=lambda p: (len(p), p))[:40]:  # a few dozen settle it
        found = area_of_prefix(prefix)
        if found is None or found[0] != country:
            continue
        count, shortest = votes.get(found[1], (0, 99))
        votes[found[1]] = (count + 1, min(shortest, len(prefix)))
    if not votes:
        return None
    return sorted(votes.items(), key=lambda kv: (kv[1][1], -kv[1][0], kv[0]))[0][0]


def main():
    cities = json.load(sys.stdin)
    countries = {}
    for region in sorted(phonenumbers.SUPPORTED_REGIONS):
        countries[region] = str(phonenumbers.country_code_for_region(region))

    # (country code, place name) -> [(prefix, region named or None)], for the codes needed.
    wanted_codes = {countries[c["country"]] for c in cities if c["country"] in countries}
    index = {}
    for prefix, names in GEOCODE_DATA.items():
        description = names.get("en")
        if not description:
            continue
        code = next((prefix[:n] for n in (1, 2, 3) if prefix[:n] in wanted_codes), None)
        if code is None:
            continue
        for name, region in places(description, code == "1"):
            index.setdefault((code, name), []).append((prefix, region))

    areas = {}
    for city in cities:
        country = city["country"]
        code = countries.get(country)
        if code is None:
            continue
        nanp = city.get("nanp")
        if nanp:
            keys = {fold(f"{name}{sep}{nanp}") for name in city["names"] for sep in (", ", " ")}
        else:
            keys = {fold(name) for name in city["names"]}
        # Descriptions that name another region than the city's do not count (India has
        # several towns called Aurangabad), unless all do: the data may name a region's older
        # name or abbreviate it (Ranchi, Bihar is in Jharkhand since 2000).
        found = [(prefix, region) for key in keys for prefix, region in index.get((code, key), [])]
        consistent = {prefix for prefix, region in found if not other_region(region, city.get("region"))}
        prefixes = consistent or {prefix for prefix, _ in found}
        area = best_area(prefixes, country, code == "1")
        if area is None and code == "1" and country not in ("US", "CA"):
            # A country of the North American plan other than the US and Canada: the area code
            # of its example fixed-line number (one code for most of these islands).
            example = phonenumbers.example_number_for_type(country, PhoneNumberType.FIXED_LINE)
            if example is not None:
                area = phonenumbers.national_significant_number(example)[:3]
        if area:
            areas[city["key"]] = area

    json.dump({"version": phonenumbers.__version__, "countries": countries, "areas": areas}, sys.stdout,
              ensure_ascii=False, sort_keys=True)


if __name__ == "__main__":
    main()
