#include "Unit.h"

#include <algorithm>
#include <cmath>

namespace orksim {

namespace {
// A command whose parameters stop arriving is dropped after this long, so that the unit
// finds its step again.
constexpr double kParameterTimeout = 1.0;

void put16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}
}  // namespace

Unit::Unit(UnitState& state, Engine& engine, std::FILE* trace)
    : state_(state), engine_(engine), trace_(trace) {
  engine_.onStep = [this](const Engine& e) {
    state_.lambda.record(e.rpm(), e.throttle(), e.lambdaMv(),
                         state_.ram[off::lambdaLoggingActive] != 0);
  };
}

int Unit::parameterBytes(char letter) {
  switch (letter) {
    case 'I': case 'D': case 'A': case 'P': case 'G': case 'L': case 'E': case 'N': case 'U':
      return 0;
    case 'S':
      return kImageBytes;
    case 'K':
      return 4;
    case 'T': case 'Z': case 'M': case 'W':
      return 2;
    case 'V':
      return 3;
    case 'B': case 'C': case 'X':
      return 1;
    default:
      return -1;
  }
}

void Unit::receive(std::uint8_t byte, double seconds, std::vector<std::uint8_t>& reply) {
  if (command_ != 0 && seconds - lastByteAt_ > kParameterTimeout) command_ = 0;
  lastByteAt_ = seconds;
  if (command_ == 0) {
    const int n = parameterBytes(static_cast<char>(byte));
    if (n < 0) {
      if (trace_) std::fprintf(trace_, "%.3f ? %02x\n", seconds * 1000.0, byte), std::fflush(trace_);
      return;
    }
    command_ = static_cast<char>(byte);
    params_.clear();
    expected_ = n;
  } else {
    params_.push_back(byte);
    // "X" 4 carries the new calibration byte after the sub-command.
    if (command_ == 'X' && params_.size() == 1 && byte == 4) expected_ = 2;
  }
  if (static_cast<int>(params_.size()) < expected_) return;
  traceCommand(seconds);
  execute(seconds, reply);
  command_ = 0;
}

void Unit::traceCommand(double seconds) {
  if (!trace_) return;
  std::fprintf(trace_, "%.3f %c", seconds * 1000.0, command_);
  for (std::uint8_t b : params_) std::fprintf(trace_, " %02x", b);
  std::fprintf(trace_, "\n");
  std::fflush(trace_);
}

void Unit::execute(double seconds, std::vector<std::uint8_t>& reply) {
  switch (command_) {
    case 'I':
      identification(reply);
      break;
    case 'D':
      vitalData(seconds, reply);
      break;
    case 'A':
      sensorVoltages(seconds, reply);
      break;
    case 'P':
      controlValues(seconds, reply);
      break;
    case 'G':
      // The map as the unit holds it (and learns it): 9 rows of 17 words, low byte first.
      reply.push_back('g');
      reply.insert(reply.end(), state_.ram.begin() + off::injectionMap,
                   state_.ram.begin() + off::injectionMap + 306);
      break;
    case 'L':
      reply.push_back('l');
      reply.insert(reply.end(), state_.ram.begin(), state_.ram.end());
      break;
    case 'S':
      std::copy(params_.begin(), params_.end(), state_.ram.begin());
      engine_.learning = state_.ram[off::learningActive] != 0;
      break;
    case 'E':
      state_.eeprom = state_.ram;
      if (onPersist) onPersist();
      break;
    case 'N':
      restart(seconds);
      break;
    case 'U':
      if (onUpdateRequest) onUpdateRequest(seconds);
      break;
    case 'K':
      if (params_[0] >= 1 && params_[0] <= 17 && params_[1] >= 1 && params_[1] <= 9)
        setMapCell(state_.ram, params_[0] - 1, params_[1] - 1, params_[2] | (params_[3] << 8));
      break;
    case 'T':
      writeCurvePoint(off::airTempCorrection);
      break;
    case 'Z':
      writeCurvePoint(off::ignitionCurve);
      break;
    case 'M':
      writeCurvePoint(off::engineTempCorrection);
      break;
    case 'W':
      setParameter(seconds);
      break;
    case 'V':
      traceEffect(seconds, outputs_.apply(params_, seconds));
      break;
    case 'B':
      // The engine catches up first, so the log holds everything up to this moment.
      engine_.advanceTo(seconds, state_.ram);
      state_.lambda.reply(params_[0], state_.ram[off::lambdaLoggingActive], reply);
      break;
    case 'C':
      engine_.advanceTo(seconds, state_.ram);
      state_.lambda.clear(params_[0]);
      break;
    case 'X':
      if (params_[0] == 4 && params_.size() == 2) state_.calibration = params_[1];
      if (params_[0] == 3) {
        // An erased EEPROM reads 0xFF throughout; the unit restarts with it.
        state_.eeprom.fill(0xFF);
        restart(seconds);
      }
      break;
    default:
      break;  // understood; its answer comes with the program's use of it
  }
}

void Unit::restart(double seconds) {
  // The working setup comes back from the EEPROM.
  state_.ram = state_.eeprom;
  engine_.learning = state_.ram[off::learningActive] != 0;
  state_.restartCount = (state_.restartCount + 1) & 0xFFFF;
  engine_.testIgnitionRaw = 255;
  outputs_ = TestOutputs{};  // a restart switches every test output off
  traceEffect(seconds, "restart");
  if (onPersist) onPersist();
}

void Unit::traceEffect(double seconds, const std::string& effect) {
  if (!trace_ || effect.empty()) return;
  std::fprintf(trace_, "%.3f = %s\n", seconds * 1000.0, effect.c_str());
  std::fflush(trace_);
}

void Unit::setParameter(double seconds) {
  const int value = params_[1];
  switch (params_[0]) {
    case 6:
      // The sensor position is a setup value the unit uses at once.
      state_.ram[off::sensorAngle] = static_cast<std::uint8_t>(value);
      traceEffect(seconds, "sensor " + std::to_string(value));
      break;
    case 7:
      engine_.testIgnitionRaw = value;
      traceEffect(seconds, value == 255 ? std::string("ignition curve")
                                        : "ignition constant " + std::to_string(value - 50));
      break;
    case 8:
      // The switch is kept in the working setup as well, where "L" reports it.
      engine_.learning = value != 0;
      state_.ram[off::learningActive] = engine_.learning ? 1 : 0;
      break;
    default:
      break;
  }
}

void Unit::writeCurvePoint(int offset) {
  if (params_[0] >= 1 && params_[0] <= 17)
    state_.ram[static_cast<std::size_t>(offset + params_[0] - 1)] = params_[1];
}

void Unit::sensorVoltages(double seconds, std::vector<std::uint8_t>& reply) {
  engine_.advanceTo(seconds, state_.ram);
  reply.push_back('a');
  for (int raw : engine_.sensorRaw(state_.ram)) put16(reply, raw);
}

void Unit::controlValues(double seconds, std::vector<std::uint8_t>& reply) {
  engine_.advanceTo(seconds, state_.ram);
  const Sample s = engine_.sample(state_.ram, seconds);
  const SetupView v{state_.ram};
  const double rpm = std::max(engine_.rpm(), 1.0);
  // Cylinders 2 and 3 follow cylinder 1 by the setup's offsets.
  const int offsets[3] = {0, v.byte(0), v.byte(0) + v.byte(1)};
  // The coil charges for its set time; as an angle that grows with speed.
  const int chargeDeg = static_cast<int>(std::lround(v.byte(off::coilChargeTime) * 250e-6 * rpm / 60.0 * 360.0));
  const int ignition = s.ignitionAngleRaw - 50;
  reply.push_back('p');
  for (int c = 0; c < 3; ++c) put16(reply, (v.byte(18) + offsets[c]) % 360);
  for (int c = 0; c < 3; ++c) {
    const double corrected = s.injectionTimeUs * (1 + v.byte(off::injectorCorrection + c) / 1000.0);
    put16(reply, static_cast<int>(std::lround(corrected)) + v.word(off::injectorSwitchTime + 2 * c));
  }
  for (int c = 0; c < 3; ++c) put16(reply, ((720 - ignition - chargeDeg + offsets[c]) % 360 + 360) % 360);
  for (int c = 0; c < 3; ++c) put16(reply, chargeDeg);
  put16(reply, 360 - v.byte(off::sensorAngle));  // angle limit
  reply.push_back(static_cast<std::uint8_t>(std::min(255, v.byte(396) * 2)));
  reply.push_back(static_cast<std::uint8_t>(std::min(255, v.byte(397) * 2)));
  put16(reply, static_cast<int>(std::lround(-40 * (engine_.throttle() > 50 ? 1 : 0))) & 0xFFFF);
  put16(reply, 4);
  put16(reply, 0x5AA5);
  reply.push_back(static_cast<std::uint8_t>(state_.calibration));
}

void Unit::identification(std::vector<std::uint8_t>& reply) const {
  reply.push_back('i');
  const std::string text = state_.device + state_.hardware + state_.software + state_.bootLoader;
  for (std::size_t i = 0; i < 21; ++i)
    reply.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ');
  put16(reply, state_.restartCount);
}

void Unit::vitalData(double seconds, std::vector<std::uint8_t>& reply) {
  engine_.advanceTo(seconds, state_.ram);
  Sample s = engine_.sample(state_.ram, seconds);
  // A switched output under test is on for its test time.
  if (outputs_.outputOn(1, seconds)) s.output1 = 1;
  if (outputs_.outputOn(2, seconds)) s.output2 = 1;
  auto u8 = [&reply](int v) { reply.push_back(static_cast<std::uint8_t>(v & 0xFF)); };
  u8('d');
  put16(reply, s.engineSpeed);
  put16(reply, 0);
  u8(s.throttlePercent);
  u8(s.engineTempRaw);
  u8(s.airTempRaw);
  u8(s.ignitionBaseDeg);
  u8(s.ignitionAngleRaw);
  put16(reply, s.injectionBaseUs);
  u8(s.airTempCorrPercent);
  u8(s.engineTempCorrPercent);
  put16(reply, s.injectionTimeUs);
  u8(s.output1), u8(s.output2), u8(s.input1), u8(s.input2), u8(s.input3);
  for (int mv : s.lambdaMv) put16(reply, mv);
  u8(s.testIgnitionRaw);
  u8(s.signalDetected);
  u8(s.teethCounted);
  u8(s.teethPerRevUnit);
  put16(reply, s.toothPeriod);
  put16(reply, s.gapPeriod);
  put16(reply, static_cast<int>(s.timestamp100kHz >> 16));
  put16(reply, static_cast<int>(s.timestamp100kHz & 0xFFFF));
  u8(s.limiterAngle), u8(s.limiterIgnitionOff), u8(s.startInjectionOff);
  u8(s.cpuTemp);
  u8(s.emergencyProgram);
}

}  // namespace orksim
