// Writes the bundled example: a synthetic MALDI peptide-mass-fingerprint
// spectrum of a tryptic digest of horse heart myoglobin, as a reflectron TOF
// instrument would record it, saved through the program's own ROZIRO writer.
//
//   make_example OUT.roziro

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/roziro_writer.h"

namespace {

constexpr const char* kMyoglobin =
    "GLSDGEWQQVLNVWGKVEADIAGHGQEVLIRLFTGHPETLEKFDKFKHLKTEAEMKASEDLKKHGTVVLTALGGILKKKGHHEAELK"
    "PLAQSHATKHKIPIKYLEFISDAIIHVLHSKHPGDFGADAQGAMTKALELFRNDIAAKYKELGFQG";

constexpr double kWater = 18.010565;
constexpr double kProton = 1.007276;
constexpr double kIsotopeStep = 1.00235;

double Residue(char aa) {
  static const std::map<char, double> masses = {
      {'G', 57.02146}, {'A', 71.03711}, {'S', 87.03203}, {'P', 97.05276}, {'V', 99.06841},
      {'T', 101.04768}, {'C', 103.00919}, {'L', 113.08406}, {'I', 113.08406}, {'N', 114.04293},
      {'D', 115.02694}, {'Q', 128.05858}, {'K', 128.09496}, {'E', 129.04259}, {'M', 131.04049},
      {'H', 137.05891}, {'F', 147.06841}, {'R', 156.10111}, {'Y', 163.06333}, {'W', 186.07931}};
  return masses.at(aa);
}

struct Peptide {
  std::string sequence;
  double mh;  // monoisotopic [M+H]+
  int missed;
};

// Trypsin cuts after K or R unless P follows; up to one missed cleavage.
std::vector<Peptide> TrypticPeptides(const std::string& protein) {
  std::vector<std::string> pieces;
  std::string piece;
  for (size_t i = 0; i < protein.size(); ++i) {
    piece += protein[i];
    bool cut = (protein[i] == 'K' || protein[i] == 'R') &&
               (i + 1 == protein.size() || protein[i + 1] != 'P');
    if (cut || i + 1 == protein.size()) {
      pieces.push_back(piece);
      piece.clear();
    }
  }
  std::vector<Peptide> peptides;
  for (size_t i = 0; i < pieces.size(); ++i) {
    for (int missed = 0; missed <= 1 && i + missed < pieces.size(); ++missed) {
      std::string seq;
      for (int k = 0; k <= missed; ++k) seq += pieces[i + k];
      double mass = kWater + kProton;
      for (char aa : seq) mass += Residue(aa);
      if (mass >= 700 && mass <= 3500) peptides.push_back({seq, mass, missed});
    }
  }
  return peptides;
}

// Averagine isotope envelope: Poisson-distributed heavy isotopes.
std::vector<double> Envelope(double mass) {
  double lambda = mass / 1800.0;
  std::vector<double> share;
  double p = std::exp(-lambda);
  for (int k = 0; k < 8; ++k) {
    share.push_back(p);
    p *= lambda / (k + 1);
  }
  return share;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_example OUT.roziro\n");
    return 2;
  }
  ionvue::Settings().SetReadOnly(true);
  ionvue::ScriptedHost host;
  ionvue::CSpectrum s;

  // 2 GHz digitizer, flight times 12 to 40 µs, m/z = (a1·t)^2.
  s.m_dTimeBase = 0.0005;
  s.m_nOffset = 24000;
  const int length = 56000;
  s.Resize(length);
  s.m_bTOF = 1;
  s.m_bDeTOF = 0;
  s.m_dA[0] = 0.0;
  s.m_dA[1] = 1.5811;
  s.m_dA[2] = s.m_dA[3] = 0.0;
  s.m_nShots = 200;
  s.m_nCharge = 1;
  s.m_bLossless = 1;

  std::mt19937 random(20010213);
  std::normal_distribution<double> gauss(0.0, 1.0);
  std::vector<double> signal(length, 0.0);
  const double resolution = 6000.0;
  auto timeOf = [&](double mz) { return (std::sqrt(mz) - s.m_dA[0]) / s.m_dA[1]; };

  std::vector<Peptide> peptides = TrypticPeptides(kMyoglobin);
  std::uniform_real_distribution<double> height(0.15, 1.0);
  std::vector<std::pair<double, double>> strongest;
  for (const Peptide& pep : peptides) {
    double h = 60000.0 * height(random) * (pep.missed ? 0.25 : 1.0);
    std::vector<double> share = Envelope(pep.mh);
    for (size_t k = 0; k < share.size(); ++k) {
      double mz = pep.mh + k * kIsotopeStep;
      double t = timeOf(mz);
      // FWHM in time is t / (2 R) for m/z = (a1 t)^2.
      double sigma = t / (2 * resolution) / 2.3548 / s.m_dTimeBase;
      double centre = t / s.m_dTimeBase - s.m_nOffset;
      int from = std::max(0, static_cast<int>(centre - 6 * sigma));
      int to = std::min(length - 1, static_cast<int>(centre + 6 * sigma));
      for (int i = from; i <= to; ++i)
        signal[i] += h * share[k] * std::exp(-0.5 * std::pow((i - centre) / sigma, 2));
    }
    if (!pep.missed) strongest.push_back({h, pep.mh});
  }

  for (int i = 0; i < length; ++i) {
    double t = s.TimeOf(i);
    // Matrix background falls off with flight time; detector noise on top.
    double baseline = 400.0 + 9000.0 * std::exp(-(t - 12.0) / 2.5);
    double value = baseline + signal[i];
    value += gauss(random) * std::sqrt(value) * 1.5;
    s.m_pData[i] = std::max(1, static_cast<int>(value));
  }

  std::sort(strongest.rbegin(), strongest.rend());
  for (size_t i = 0; i < strongest.size() && i < 8; ++i) {
    ionvue::CLabel label;
    label.mass = strongest[i].second - 1.0074;
    label.mz = strongest[i].second;
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", label.mass);
    label.SetText(text);
    label.type = 'C';
    s.AddLabel(label);
  }

  auto& p = s.m_pProperties;
  p.Set("SPECTRUM_DESCRIPTION", "Horse heart myoglobin, tryptic digest (synthetic example)");
  p.Set("SPECTRUM_NOTES",
        "Generated by tools/make_example: tryptic peptides of up to one missed cleavage between "
        "m/z 700 and 3500, averagine isotope envelopes, resolution 6000, matrix background and "
        "counting noise.");
  p.Set("SPECTRUM_MS_IONSOURCE", "MALDI");
  p.Set("SPECTRUM_MS_ANALYZER1", "TOF (reflectron)");
  p.Set("SPECTRUM_MS_MATRIX", "alpha-cyano-4-hydroxycinnamic acid");
  p.Set("PROTEIN_DESC", "Myoglobin");
  p.Set("PROTEIN_ORGANISM", "Equus caballus");
  p.Set("PROTEIN_TISSUE", "heart");
  p.Set("PROTEIN_SEQUENCE", kMyoglobin);
  p.Set("SPECTRUM_PROTOCOL_CLEAVE1", "Trypsin");

  if (ionvue::WriteRoziro(host, s, argv[1]) != 1) {
    for (const auto& m : host.Messages()) std::fprintf(stderr, "%s\n", m.c_str());
    return 1;
  }
  return 0;
}
