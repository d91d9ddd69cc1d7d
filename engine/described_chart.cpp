#include "engine/described_chart.h"

#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/planets.h"

namespace tirovane::engine {

SiderealChart ComputeDescribedChart(const BirthInstant& instant, const GeoPlace& place) {
    const AscendantResult ascendant = ComputeAscendant(instant, place);
    const MoonResult moon = ComputeMoon(instant);
    const PlanetsResult planets = ComputePlanets(instant, ascendant.Ayanamsa);

    SiderealChart chart;
    chart.Ayanamsa = ascendant.Ayanamsa;
    chart.MoonAyanamsa = moon.Ayanamsa;
    std::array<double, ChartBodyCount>& l = chart.Longitudes;
    l[Sun] = planets.Longitudes[TheoryEarth];
    l[Moon] = moon.SiderealLongitude;
    l[Mercury] = planets.Longitudes[TheoryMercury];
    l[Venus] = planets.Longitudes[TheoryVenus];
    l[Mars] = planets.Longitudes[TheoryMars];
    l[Jupiter] = planets.Longitudes[TheoryJupiter];
    l[Saturn] = planets.Longitudes[TheorySaturn];
    l[Rahu] = planets.Rahu;
    l[Ketu] = planets.Ketu;
    l[Ascendant] = ascendant.Ascendant;
    l[Midheaven] = ascendant.Midheaven;
    for (double& longitude : l) {
        longitude = WithinCircle(longitude);
    }
    return chart;
}

} // namespace tirovane::engine
