// SPDX-License-Identifier: MIT
// The models library needs one source of its own before its models join it.
namespace tools_models {
void Anchor() {}
}  // namespace tools_models
