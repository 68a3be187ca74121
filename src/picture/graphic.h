// The base of the picture classes that the picture format registry hands out.
#ifndef PHOTOPAGES_PICTURE_GRAPHIC_H_
#define PHOTOPAGES_PICTURE_GRAPHIC_H_

#include <string>

namespace photopages {

class TGraphic {
 public:
  virtual ~TGraphic() = default;
  // Takes `bytes`, a whole picture file, and reads what the picture needs to
  // know from it. On failure the picture is unchanged.
  virtual void LoadFromBytes(std::string bytes) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

}  // namespace photopages

#endif  // PHOTOPAGES_PICTURE_GRAPHIC_H_
